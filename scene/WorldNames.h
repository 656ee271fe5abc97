#pragma once

#include "scene/WorldKind.h"

#include <optional>
#include <string_view>

// The name a command line gives a world: "cascadium", "cradle" or "pachinko".
const char* ShortNameOf(WorldKind world);

// The name a person reads: "Cascadium", "Newton's Cradle" or "Pachinko Machine".
const char* DisplayNameOf(WorldKind world);

// The world of a short name, exactly as spelt (lower case); none for anything else.
std::optional<WorldKind> WorldOfShortName(std::string_view name);
