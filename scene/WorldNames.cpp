#include "scene/WorldNames.h"

namespace {

struct WorldNames {
    const char* shortName;
    const char* displayName;
};

// In the order of WorldKind.
constexpr WorldNames Names[] = {
    {"cascadium", "Cascadium"},
    {"cradle", "Newton's Cradle"},
    {"pachinko", "Pachinko Machine"},
};

const WorldNames& NamesOf(WorldKind world)
{
    return Names[static_cast<int>(world)];
}

}  // namespace

const char* ShortNameOf(WorldKind world)
{
    return NamesOf(world).shortName;
}

const char* DisplayNameOf(WorldKind world)
{
    return NamesOf(world).displayName;
}

std::optional<WorldKind> WorldOfShortName(std::string_view name)
{
    for (WorldKind world : EveryWorld) {
        if (name == ShortNameOf(world)) return world;
    }
    return std::nullopt;
}
