#include "x11/XErrors.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Xlib calls the handlers without a context pointer: the one process-wide record.
std::optional<XErrorEvent> FirstError;

int RecordError(Display*, XErrorEvent* error)
{
    if (!FirstError) FirstError = *error;
    return 0;
}

bool TrappedFailure = false;

int TrapError(Display*, XErrorEvent*)
{
    TrappedFailure = true;
    return 0;
}

int EndOnLostConnection(Display*)
{
    std::fputs("cascadium: the connection to the X server is gone\n", stderr);
    // Xlib's state is unusable from here on: no destructor may touch it.
    std::_Exit(1);
}

}  // namespace

void InstallXErrorHandlers()
{
    XSetErrorHandler(RecordError);
    XSetIOErrorHandler(EndOnLostConnection);
}

std::optional<XErrorEvent> TakeXError()
{
    const std::optional<XErrorEvent> error = FirstError;
    FirstError.reset();
    return error;
}

bool RequestSucceeds(Display* display, const std::function<void()>& request)
{
    XSync(display, False);
    TrappedFailure = false;
    const XErrorHandler previous = XSetErrorHandler(TrapError);
    request();
    XSync(display, False);
    XSetErrorHandler(previous);
    return !TrappedFailure;
}

bool WindowIsGone(Display* display, Window window)
{
    XWindowAttributes attributes{};
    const bool gone = XGetWindowAttributes(display, window, &attributes) == 0;
    FirstError.reset();
    return gone;
}

void ReportXError(Display* display, const XErrorEvent& error)
{
    char text[256] = {};
    XGetErrorText(display, error.error_code, text, sizeof text);
    std::fprintf(stderr, "cascadium: X error: %s (request %d.%d, resource 0x%lx)\n", text, error.request_code,
                 error.minor_code, error.resourceid);
}
