#pragma once

#include "scene/WorldKind.h"

#include <cstdint>

class Scene;

// The spawner rests while the scene's population is at this cap or above.
inline constexpr std::int32_t FullPopulation = 40;

// One tick's spawn: nothing while the population is full, otherwise one object of the kind the
// world's spawn rule draws, dropped just above the view.
void SpawnRandomObject(Scene& scene, WorldKind world);

// The kinds it drops. Each counts one towards the population, whatever its number of bodies.
void SpawnCircle(Scene& scene);
void SpawnBox(Scene& scene);
// Two, three or four equal circles held by 1, 3 or 6 rods.
void SpawnRigidCluster(Scene& scene, int jointCount);
// Four equal circles in a row, joined by three springs.
void SpawnSpringChain(Scene& scene);
