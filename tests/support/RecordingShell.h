#pragma once

#include "scene/SceneShell.h"
#include "scene/WorldKind.h"
#include "tests/support/WorldKindPrinting.h"

#include <map>
#include <utility>
#include <vector>

// Records what the scene asks of its window: the check-mark calls in order, the resulting
// mark of each world, and the number of redraw requests.
class RecordingShell final : public SceneShell {
public:
    void CheckWorldItem(WorldKind world, bool checked) override
    {
        calls.emplace_back(world, checked);
        marks[world] = checked;
    }
    void RequestRedraw() override { ++redraws; }

    std::vector<std::pair<WorldKind, bool>> calls;
    std::map<WorldKind, bool> marks;
    int redraws = 0;
};
