#pragma once

#include "scene/SceneShell.h"

// A shell with no window: the headless simulator and the benchmarks, which show nothing.
class NullSceneShell final : public SceneShell {
public:
    void CheckWorldItem(WorldKind, bool) override {}
    void RequestRedraw() override {}
};
