#pragma once

#include "scene/Clock.h"
#include "scene/WorldKind.h"
#include "toy/FrameSchedule.h"
#include "toy/Toy.h"
#include "x11/TargetWindow.h"
#include "x11/WindowBuffer.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>

// The toy shown in one X window: passes the window's events on to it (in a window of its own,
// the pointer, the keys and the focus too) and copies each frame it draws onto the window.
// Pictures come every `delayUs` microseconds, drawn between ticks; with a tick or more between
// them, one a tick, of the tick's own state.
class SceneWindow {
public:
    SceneWindow(Display* display, const TargetWindow& target, WorldKind world, const Clock& clock,
                std::uint32_t delayUs);

    // False when the event ends the program (the window closed or destroyed, q or Escape, or
    // no memory for the picture the window's new size needs: see Failed).
    bool Handle(const XEvent& event);
    // True when there is no picture to draw on, for want of memory: the program has failed.
    bool Failed() const { return !m_buffer.HasPicture(); }
    // Runs the tick when it is due.
    void TickIfDue() { m_toy.TickIfDue(); }
    // Milliseconds until the next tick or picture is due; 0 when one is due now.
    int MsUntilDue() const;
    // Draws and shows the picture when it is due (one a tick: when the scene has moved or the
    // window needs it): only where it changed since the last frame, unless the window lost its
    // contents.
    void PaintIfDue();
    Window Id() const { return m_target.window; }

private:
    bool HandleKey(const XKeyEvent& key);

    Display* m_display;
    TargetWindow m_target;
    WindowBuffer m_buffer;
    const Clock& m_clock;
    Toy m_toy;
    // When the next picture between ticks is due; none for one picture a tick.
    std::optional<FrameSchedule> m_pictures;
};
