#include "x11/SceneWindow.h"

#include "x11/KeyAction.h"
#include "x11/OwnWindow.h"

#include <X11/Xutil.h>

#include <vector>

SceneWindow::SceneWindow(Display* display, const TargetWindow& target, WorldKind world, const Clock& clock)
    : m_display(display),
      m_target(target),
      m_buffer(display, target),
      m_toy(clock, world)
{
    m_toy.Resize(m_buffer.Width(), m_buffer.Height());
}

bool SceneWindow::Handle(const XEvent& event)
{
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0) m_toy.PictureLost();
        return true;
    case ConfigureNotify:
        if (event.xconfigure.window == m_target.window) {
            m_buffer.Resize(event.xconfigure.width, event.xconfigure.height);
            m_toy.Resize(m_buffer.Width(), m_buffer.Height());
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
        if (event.xbutton.button == Button1) m_toy.PointerPressed(event.xbutton.x, event.xbutton.y);
        return true;
    case MotionNotify:
        m_toy.PointerMoved(event.xmotion.x, event.xmotion.y);
        return true;
    case ButtonRelease:
        if (event.xbutton.button == Button1) m_toy.PointerReleased();
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
        m_toy.ShowWorld(action.world);
        ShowWorldTitle(m_display, m_target.window, action.world);
    }
    return true;
}

void SceneWindow::PaintIfDue()
{
    if (!m_toy.FrameDue()) return;
    const std::vector<PixelRect> areas = m_toy.DrawFrame(m_buffer.Pixels());
    if (!areas.empty()) m_buffer.Show(areas);
}
