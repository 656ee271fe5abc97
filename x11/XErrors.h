#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <optional>

// Xlib's own handlers end the process with status 1 on any error. These instead record a
// protocol error for the event loop to judge (a window destroyed under the program is an
// ordinary end), and, as Xlib's own do, end the process with one line and status 1 when the
// connection to the server is lost: the server went away or another client killed ours.
void InstallXErrorHandlers();

// The first protocol error since the last call, if any.
std::optional<XErrorEvent> TakeXError();

// Sends what `request` asks for and waits for the server's answer: true when it caused no
// protocol error. Errors of requests sent before are recorded as usual; this one's are not,
// whatever handler is in place (a request that may fail, such as attaching shared memory the
// server cannot reach, must not end the program).
bool RequestSucceeds(Display* display, const std::function<void()>& request);

// True when `window` no longer exists. Leaves no error recorded.
bool WindowIsGone(Display* display, Window window);

// One line on standard error describing the error.
void ReportXError(Display* display, const XErrorEvent& error);
