#pragma once

#include "scene/WorldKind.h"

// What the scene asks of the window that shows it. The Windows main window implements it
// with its menu and InvalidateRect, the toy (toy/) for the other shells; tests and the headless
// simulator record or ignore the calls.
class SceneShell {
public:
    virtual ~SceneShell() = default;
    // Set or clear the check mark that shows which world runs (the World menu's item).
    virtual void CheckWorldItem(WorldKind world, bool checked) = 0;
    // The tick has moved the scene: the picture is due to be drawn again (the Windows window
    // repaints it whole without erasing it first, the toy where it changed).
    virtual void RequestRedraw() = 0;
};
