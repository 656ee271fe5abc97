#pragma once

#include "render/damage/PartialRedraw.h"
#include "scene/ObjectShape.h"
#include "scene/Scene.h"
#include "scene/SceneShell.h"
#include "x11/TargetWindow.h"
#include "x11/WindowBuffer.h"

#include <X11/Xlib.h>

// The scene shown in one X window: turns ticks into simulation steps and redraws, and, in a
// window of its own, left-button drags into dropped objects and keys into world changes.
class SceneWindow final : public SceneShell {
public:
    SceneWindow(Display* display, const TargetWindow& target, WorldKind world, const Clock& clock);

    // False when the event ends the program (the window closed or destroyed, q or Escape).
    bool Handle(const XEvent& event);
    void Tick();
    // Draws and shows the picture when the scene has moved or the window needs it: only where
    // it changed since the last frame, unless the window lost its contents.
    void PaintIfDue();
    Window Id() const { return m_target.window; }

    // SceneShell. There is no World menu: the title names the world.
    void CheckWorldItem(WorldKind, bool) override {}
    void RequestRedraw() override { m_paintDue = true; }

private:
    bool HandleKey(const XKeyEvent& key);
    void PlaceObject(int x, int y);

    Display* m_display;
    TargetWindow m_target;
    WindowBuffer m_buffer;
    Scene m_scene;
    WorldKind m_world;
    // The first drop is a box, then they alternate, as in the Windows window.
    ObjectShape m_lastPlaced = ObjectShape::Circle;
    bool m_dragging = false;
    bool m_paintDue = true;
    bool m_paintAll = true;
    PartialRedraw m_redraw;
};
