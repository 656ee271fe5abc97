#include "scene/NormaliseWorld.h"

#include "scene/WorldTable.h"

std::int32_t NormaliseWorld(std::int32_t stored)
{
    constexpr auto first = static_cast<std::int32_t>(WorldKind::Cascadium);
    constexpr auto last = static_cast<std::int32_t>(WorldCount) - 1;
    if (stored == -1) return first;
    if (static_cast<std::uint32_t>(stored) > static_cast<std::uint32_t>(last)) return last;
    return stored;
}
