#include "x11/OwnWindow.h"

#include "scene/ShellDefaults.h"
#include "scene/WorldTable.h"

#include <X11/Xutil.h>

namespace {

constexpr long OwnWindowEvents =
    ExposureMask | StructureNotifyMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | Button1MotionMask
    | FocusChangeMask;

Atom DeleteWindowAtom(Display* display)
{
    return XInternAtom(display, "WM_DELETE_WINDOW", False);
}

}  // namespace

Window CreateOwnWindow(Display* display, WorldKind world)
{
    const int screen = DefaultScreen(display);
    // A black background: what the server shows for a moment after a resize, before the
    // next picture, matches the picture's own background.
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, DefaultViewWidth, DefaultViewHeight, 0,
                            BlackPixel(display, screen), BlackPixel(display, screen));

    XSizeHints size{};
    size.flags = PSize;
    size.width = DefaultViewWidth;
    size.height = DefaultViewHeight;
    XSetWMNormalHints(display, window, &size);

    char name[] = "cascadium";
    char className[] = "Cascadium";
    XClassHint classHint{name, className};
    XSetClassHint(display, window, &classHint);

    Atom deleteWindow = DeleteWindowAtom(display);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    ShowWorldTitle(display, window, world);
    XSelectInput(display, window, OwnWindowEvents);
    XMapWindow(display, window);
    return window;
}

void ShowWorldTitle(Display* display, Window window, WorldKind world)
{
    XStoreName(display, window, DisplayNameOf(world));
}

bool IsCloseRequest(Display* display, const XEvent& event)
{
    return event.type == ClientMessage && event.xclient.format == 32
           && event.xclient.message_type == XInternAtom(display, "WM_PROTOCOLS", False)
           && static_cast<Atom>(event.xclient.data.l[0]) == DeleteWindowAtom(display);
}
