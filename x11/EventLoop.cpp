#include "x11/EventLoop.h"

#include "x11/SceneWindow.h"
#include "x11/SignalFd.h"
#include "x11/XErrors.h"

#include <poll.h>

namespace {

enum class Outcome {
    Running,
    Ended,
    Failed,
};

// Handles every event Xlib has read or can read without waiting, then any error they caused.
Outcome DrainEvents(Display* display, SceneWindow& window)
{
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (!window.Handle(event)) return window.Failed() ? Outcome::Failed : Outcome::Ended;
    }
    const auto error = TakeXError();
    if (!error) return Outcome::Running;
    // Drawing on a window destroyed under us fails; that is how a host ends the picture.
    if (WindowIsGone(display, window.Id())) return Outcome::Ended;
    ReportXError(display, *error);
    return Outcome::Failed;
}

}  // namespace

int RunEventLoop(Display* display, SceneWindow& window, const SignalFd& signals)
{
    if (window.Failed()) return 1;
    for (;;) {
        Outcome outcome = DrainEvents(display, window);
        if (outcome == Outcome::Running) {
            window.TickIfDue();
            window.PaintIfDue();
            // Painting may have read events or errors: take them before sleeping.
            outcome = DrainEvents(display, window);
        }
        if (outcome != Outcome::Running) return outcome == Outcome::Ended ? 0 : 1;

        pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {signals.Fd(), POLLIN, 0}};
        if (poll(fds, 2, window.MsUntilDue()) > 0 && (fds[1].revents & POLLIN) && signals.Take() != 0) return 0;
    }
}
