#pragma once

#include "res/ResourceIds.h"
#include "scene/WorldTable.h"

#include <cstddef>
#include <iterator>
#include <optional>

// The World menu's command ids in world order: the one place that pairs each world with its item.
inline constexpr int WorldMenuItems[] = {IDM_WORLD_CASCADIUM, IDM_WORLD_NEWTONS_CRADLE, IDM_WORLD_PACHINKO_MACHINE};
static_assert(std::size(WorldMenuItems) == WorldCount, "one World menu item per world");

// The window acts only on the commands IDM_FIRST_COMMAND..IDM_LAST_COMMAND: each world's item is
// one of them, and neither Exit nor another world's item.
constexpr bool EachItemIsACommandOfItsOwn()
{
    for (std::size_t i = 0; i < WorldCount; ++i) {
        const int id = WorldMenuItems[i];
        if (id < IDM_FIRST_COMMAND || id > IDM_LAST_COMMAND || id == IDM_EXIT) return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (WorldMenuItems[j] == id) return false;
        }
    }
    return true;
}
static_assert(EachItemIsACommandOfItsOwn(), "a world's item takes a free id the window acts on: 105 to 112 or 115");

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
