#include "scene/WorldTable.h"

const char* ShortNameOf(WorldKind world)
{
    return RowOf(world).shortName;
}

const char* DisplayNameOf(WorldKind world)
{
    return RowOf(world).displayName;
}

const WorldRecipe& RecipeOf(WorldKind world)
{
    return *RowOf(world).recipe;
}

std::optional<WorldKind> WorldOfShortName(std::string_view name)
{
    for (const WorldRow& row : WorldTable) {
        if (name == row.shortName) return row.kind;
    }
    return std::nullopt;
}

std::string ShortNameChoices()
{
    std::string text;
    for (std::size_t i = 0; i < WorldCount; ++i) {
        if (i > 0) text += i + 1 < WorldCount ? ", " : " or ";
        text += WorldTable[i].shortName;
    }
    return text;
}
