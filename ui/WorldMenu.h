#pragma once

#include "res/ResourceIds.h"
#include "scene/WorldTable.h"

#include <iterator>
#include <optional>

// The World menu's command ids in world order: the one place that pairs each world with its item.
inline constexpr int WorldMenuItems[] = {IDM_WORLD_CASCADIUM, IDM_WORLD_NEWTONS_CRADLE, IDM_WORLD_PACHINKO_MACHINE};
static_assert(std::size(WorldMenuItems) == WorldCount, "one World menu item per world");

constexpr int MenuItemOf(WorldKind world)
{
    return WorldMenuItems[static_cast<int>(world)];
}

// The world a menu command chooses; none for any other command.
constexpr std::optional<WorldKind> WorldOfMenuItem(int commandId)
{
    for (WorldKind world : EveryWorld) {
        if (MenuItemOf(world) == commandId) return world;
    }
    return std::nullopt;
}
