#pragma once

#include "SceneShell.h"

#include <map>
#include <utility>
#include <vector>

// Records what the scene asks of its window: the check-mark calls in order, the resulting
// state of each World item, and the number of redraw requests.
class RecordingShell final : public SceneShell {
public:
    void CheckWorldItem(int commandId, bool checked) override
    {
        calls.emplace_back(commandId, checked);
        marks[commandId] = checked;
    }
    void RequestRedraw() override { ++redraws; }

    std::vector<std::pair<int, bool>> calls;
    std::map<int, bool> marks;
    int redraws = 0;
};
