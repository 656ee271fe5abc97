#include "x11/TargetWindow.h"

#include "x11/OwnWindow.h"

#include <cstdlib>

namespace {

constexpr long ForeignWindowEvents = ExposureMask | StructureNotifyMask;

Window ScreenSaverWindow(Display* display)
{
    const char* named = std::getenv("XSCREENSAVER_WINDOW");
    unsigned long id = 0;
    return named && ParseWindowId(named, id) ? id : DefaultRootWindow(display);
}

}  // namespace

std::optional<TargetWindow> OpenTarget(Display* display, const Options& options)
{
    TargetWindow target;
    switch (options.target) {
    case Target::OwnWindow:
        target.window = CreateOwnWindow(display, options.world);
        target.own = true;
        break;
    case Target::Root:
        target.window = ScreenSaverWindow(display);
        break;
    case Target::WindowId:
        target.window = options.windowId;
        break;
    }

    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, target.window, &attributes) == 0) return std::nullopt;
    if (!target.own) XSelectInput(display, target.window, ForeignWindowEvents);
    target.visual = attributes.visual;
    target.width = attributes.width;
    target.height = attributes.height;
    return target;
}
