#pragma once

#include "scene/WorldKind.h"
#include "scene/WorldRecipe.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// One world: the name a command line gives it, the name a person reads, and its recipe.
struct WorldRow {
    WorldKind kind;
    const char* shortName;
    const char* displayName;
    const WorldRecipe* recipe;
};

// Every world, in the order of WorldKind: the one place a world is added. Shells list, name and
// key the worlds from here.
inline constexpr WorldRow WorldTable[] = {
    {WorldKind::Cascadium, "cascadium", "Cascadium", &CascadiumRecipe},
    {WorldKind::NewtonsCradle, "cradle", "Newton's Cradle", &NewtonsCradleRecipe},
    {WorldKind::PachinkoMachine, "pachinko", "Pachinko Machine", &PachinkoRecipe},
};

inline constexpr std::size_t WorldCount = std::size(WorldTable);

constexpr bool InWorldKindOrder()
{
    for (std::size_t i = 0; i < WorldCount; ++i) {
        if (WorldTable[i].kind != static_cast<WorldKind>(i)) return false;
    }
    return true;
}
static_assert(InWorldKindOrder(), "a world's row sits at its number: stored settings hold the number");

// Every world's kind, in the table's order.
inline constexpr std::array<WorldKind, WorldCount> EveryWorld = [] {
    std::array<WorldKind, WorldCount> kinds{};
    for (std::size_t i = 0; i < WorldCount; ++i) kinds[i] = WorldTable[i].kind;
    return kinds;
}();

constexpr const WorldRow& RowOf(WorldKind world)
{
    return WorldTable[static_cast<std::size_t>(world)];
}

const char* ShortNameOf(WorldKind world);
const char* DisplayNameOf(WorldKind world);
const WorldRecipe& RecipeOf(WorldKind world);

// The world of a short name, exactly as spelt (lower case); none for anything else.
std::optional<WorldKind> WorldOfShortName(std::string_view name);

// The short names as a usage text offers them: "cascadium, cradle or pachinko".
std::string ShortNameChoices();
