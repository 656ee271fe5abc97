#pragma once

#include "scene/Scene.h"
#include "tests/support/RecordingShell.h"

#include <gtest/gtest.h>

#include <vector>

// A scene on a clock that moves only when the test moves it.
class SceneFixture : public ::testing::Test {
protected:
    explicit SceneFixture(std::uint32_t start = 1000) : clock(start), scene(clock, shell) {}

    std::vector<SceneObject*> Entries()
    {
        std::vector<SceneObject*> list;
        for (SceneObject* e = scene.FirstObject(); e; e = e->next) list.push_back(e);
        return list;
    }

    SceneObject* EntryOf(const b2Body* body)
    {
        for (SceneObject* e = scene.FirstObject(); e; e = e->next) {
            if (e->body == body) return e;
        }
        return nullptr;
    }

    // Runs timer ticks of `tickMs` until `ms` of clock have passed.
    void RunFor(WorldKind world, std::uint32_t ms, std::uint32_t tickMs = 50)
    {
        for (std::uint32_t t = 0; t < ms; t += tickMs) {
            clock.Advance(tickMs);
            scene.TickScene(world);
        }
    }

    ManualClock clock;
    RecordingShell shell;
    Scene scene;
};
