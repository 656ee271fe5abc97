#pragma once

#include <X11/Xlib.h>

#include <optional>

// Xlib's own handlers end the process with status 1 on any error. These instead record a
// protocol error for the event loop to judge (a window destroyed under the program is an
// ordinary end), and end the process with status 0 when the connection to the server is lost:
// the session that showed the picture is over.
void InstallXErrorHandlers();

// The first protocol error since the last call, if any.
std::optional<XErrorEvent> TakeXError();

// True when `window` no longer exists. Leaves no error recorded.
bool WindowIsGone(Display* display, Window window);

// One line on standard error describing the error.
void ReportXError(Display* display, const XErrorEvent& error);
