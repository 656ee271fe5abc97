#pragma once

#include <cstdint>
#include <optional>

class Scene;

// How the spawner picks the kind of object to drop: it draws `drawsBeforeKind` numbers that
// only move the generator on, then the kind, trunc(u * kindScale): 0..9 a circle, 10..19 a box,
// 20..22 a cluster of 1, 3 or 6 rods, 23 a spring chain.
struct SpawnRule {
    int drawsBeforeKind;
    float kindScale;
};

// Everything that makes one world what it is, beyond the ground and conveyor all worlds share.
struct WorldRecipe {
    // Adds the world's own scenery to a scene that has just its ground and conveyor.
    void (*build)(Scene& scene);
    SpawnRule spawn;
    // The population the world starts with: at the spawner's cap or above, nothing is spawned.
    std::int32_t startingPopulation;
    // The world is built afresh once its oldest entry is older than this (none: never).
    std::optional<std::uint32_t> rebuildAfterMs;
};

// Each defined in the world's own file.
extern const WorldRecipe CascadiumRecipe;
extern const WorldRecipe NewtonsCradleRecipe;
extern const WorldRecipe PachinkoRecipe;
