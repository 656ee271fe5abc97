#pragma once

#include "scene/NullSceneShell.h"
#include "scene/Scene.h"
#include "scene/ShellDefaults.h"

#include <cstdint>

// A world on a simulated clock, run for three simulated minutes so that its population has
// long reached its cap: the steady state the benchmarks measure.
struct WarmScene {
    explicit WarmScene(WorldKind kind) : clock(1000), scene(clock, shell), world(kind)
    {
        scene.Rng().Seed(12345);
        scene.ResetWorld(world);
        Run(3 * 60 * 1000);
    }
    void Run(std::uint32_t ms)
    {
        for (std::uint32_t t = 0; t < ms; t += TickIntervalMs) Tick();
    }
    void Tick()
    {
        clock.Advance(TickIntervalMs);
        scene.TickScene(world);
    }

    ManualClock clock;
    NullSceneShell shell;
    Scene scene;
    WorldKind world;
};
