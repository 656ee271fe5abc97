#pragma once

#include "scene/WorldKind.h"
#include "scene/WorldTable.h"

#include <ostream>

// Test failures and parameter lists name the world rather than dump its bytes.
inline std::ostream& operator<<(std::ostream& os, WorldKind world)
{
    return os << ShortNameOf(world);
}
