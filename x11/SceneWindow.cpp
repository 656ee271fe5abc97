#include "x11/SceneWindow.h"

#include "x11/OwnWindow.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <vector>

namespace {

PointerButton ButtonOf(const XButtonEvent& button)
{
    return button.button == Button1 ? PointerButton::Primary : PointerButton::Other;
}

// The key in the toy's words: the character its unshifted keysym names (Latin-1 keysyms are
// their characters' code points), Escape, or nothing. Super is Mod4 on the usual keyboards.
ToyKey ToyKeyOf(const XKeyEvent& key)
{
    XKeyEvent copy = key;  // XLookupKeysym takes a non-const event
    const KeySym sym = XLookupKeysym(&copy, 0);
    ToyKey toyKey;
    if (sym == XK_Escape) toyKey.character = EscapeCharacter;
    if ((sym >= XK_space && sym <= XK_asciitilde) || (sym >= XK_nobreakspace && sym <= XK_ydiaeresis))
        toyKey.character = static_cast<char32_t>(sym);
    toyKey.platformModifier = (key.state & (ControlMask | Mod1Mask | Mod4Mask)) != 0;
    return toyKey;
}

// A tick or more between pictures shows each tick's own state, as the Windows window does.
Pictures PicturesOf(std::uint32_t delayUs)
{
    return delayUs >= TickIntervalMs * 1000 ? Pictures::OnePerTick : Pictures::BetweenTicks;
}

}  // namespace

SceneWindow::SceneWindow(Display* display, const TargetWindow& target, WorldKind world, const Clock& clock,
                         std::uint32_t delayUs)
    : m_display(display),
      m_target(target),
      m_buffer(display, target),
      m_clock(clock),
      m_toy(clock, world, PicturesOf(delayUs))
{
    if (PicturesOf(delayUs) == Pictures::BetweenTicks) m_pictures.emplace(clock.Now(), delayUs);
    m_toy.Resize(m_buffer.Width(), m_buffer.Height());
}

bool SceneWindow::Handle(const XEvent& event)
{
    switch (event.type) {
    case Expose:
        // A window whose parent moved is told nothing else: what it shows may lie elsewhere on
        // the screen now.
        if (event.xexpose.count == 0) {
            m_buffer.FollowWindow();
            m_toy.PictureLost();
        }
        return true;
    case ConfigureNotify:
        if (event.xconfigure.window == m_target.window) {
            m_buffer.Resize(event.xconfigure.width, event.xconfigure.height);
            m_buffer.FollowWindow();
            m_toy.Resize(m_buffer.Width(), m_buffer.Height());
        }
        return !Failed();
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
        m_toy.PointerPressed(ButtonOf(event.xbutton), event.xbutton.x, event.xbutton.y);
        return true;
    case MotionNotify:
        m_toy.PointerMoved(event.xmotion.x, event.xmotion.y, (event.xmotion.state & Button1Mask) != 0);
        return true;
    case ButtonRelease:
        m_toy.PointerReleased(ButtonOf(event.xbutton));
        return true;
    case FocusOut:
        m_toy.FocusLost();
        return true;
    case KeyPress:
        return HandleKey(event.xkey);
    default:
        return true;
    }
}

bool SceneWindow::HandleKey(const XKeyEvent& key)
{
    const KeyOutcome outcome = m_toy.KeyPressed(ToyKeyOf(key));
    if (outcome == KeyOutcome::WorldShown) ShowWorldTitle(m_display, m_target.window, m_toy.CurrentWorld());
    return outcome != KeyOutcome::End;
}

int SceneWindow::MsUntilDue() const
{
    const int tick = m_toy.MsUntilTick();
    return m_pictures ? std::min(tick, m_pictures->MsUntilDue(m_clock.Now())) : tick;
}

void SceneWindow::PaintIfDue()
{
    if (m_pictures) {
        if (m_pictures->MsUntilDue(m_clock.Now()) > 0) return;
        m_pictures->Drawn(m_clock.Now());
    } else if (!m_toy.FrameDue()) {
        return;
    }
    const std::vector<PixelRect> areas = m_toy.DrawFrame(m_buffer.Pixels(), m_buffer.Origin());
    if (!areas.empty()) m_buffer.Show(areas);
}
