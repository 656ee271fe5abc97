#include "x11/SceneWindow.h"

#include "render/PointerPlacement.h"
#include "x11/KeyAction.h"
#include "x11/OwnWindow.h"

#include <X11/Xutil.h>

#include <vector>

SceneWindow::SceneWindow(Display* display, const TargetWindow& target, WorldKind world, const Clock& clock)
    : m_display(display),
      m_target(target),
      m_buffer(display, target),
      m_scene(clock, *this),
      m_world(world)
{
    m_scene.ResetWorld(m_world);
}

bool SceneWindow::Handle(const XEvent& event)
{
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0) m_paintDue = m_paintAll = true;
        return true;
    case ConfigureNotify:
        if (event.xconfigure.window == m_target.window) {
            m_buffer.Resize(event.xconfigure.width, event.xconfigure.height);
            m_paintDue = m_paintAll = true;
        }
        return true;
    case DestroyNotify:
        return event.xdestroywindow.window != m_target.window;
    case ClientMessage:
        return !IsCloseRequest(m_display, event);
    default:
        break;
    }
    // On another program's window the input belongs to that program.
    if (!m_target.own) return true;
    switch (event.type) {
    case ButtonPress:
        if (event.xbutton.button == Button1) {
            m_dragging = true;
            PlaceObject(event.xbutton.x, event.xbutton.y);
        }
        return true;
    case MotionNotify:
        if (m_dragging) PlaceObject(event.xmotion.x, event.xmotion.y);
        return true;
    case ButtonRelease:
        if (event.xbutton.button == Button1) m_dragging = false;
        return true;
    case KeyPress:
        return HandleKey(event.xkey);
    default:
        return true;
    }
}

bool SceneWindow::HandleKey(const XKeyEvent& key)
{
    XKeyEvent copy = key;  // XLookupKeysym takes a non-const event
    const KeyAction action = ActionOfKey(XLookupKeysym(&copy, 0));
    if (action.kind == KeyAction::End) return false;
    if (action.kind == KeyAction::ShowWorld) {
        m_world = action.world;
        m_scene.ResetWorld(m_world);
        ShowWorldTitle(m_display, m_target.window, m_world);
        m_paintDue = true;
    }
    return true;
}

void SceneWindow::Tick()
{
    m_scene.TickScene(m_world);
}

void SceneWindow::PaintIfDue()
{
    if (!m_paintDue) return;
    m_paintDue = false;
    const std::vector<PixelRect> areas =
        m_redraw.Draw(m_scene, m_buffer.Pixels(), m_buffer.Width(), m_buffer.Height(), m_paintAll);
    m_paintAll = false;
    if (!areas.empty()) m_buffer.Show(areas);
}

void SceneWindow::PlaceObject(int x, int y)
{
    ::PlaceObjectAt(m_scene, x, y, m_buffer.Width(), m_buffer.Height(), m_lastPlaced);
}
