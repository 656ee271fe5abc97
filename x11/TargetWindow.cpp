#include "x11/TargetWindow.h"

#include "x11/OwnWindow.h"

#include <cstdlib>
#include <string>

namespace {

constexpr long ForeignWindowEvents = ExposureMask | StructureNotifyMask;

// The variable's value without the white space around it, which the screen saver's own
// programs accept too.
std::string Trimmed(const char* text)
{
    const std::string s(text);
    const char* const space = " \t\n\v\f\r";
    const std::size_t first = s.find_first_not_of(space);
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

Window ScreenSaverWindow(Display* display)
{
    const char* named = std::getenv("XSCREENSAVER_WINDOW");
    unsigned long id = 0;
    return named && ParseWindowId(Trimmed(named), id) ? id : DefaultRootWindow(display);
}

}  // namespace

std::optional<TargetWindow> OpenTarget(Display* display, const Options& options)
{
    TargetWindow target;
    switch (options.target) {
    case Target::OwnWindow:
        target.window = CreateOwnWindow(display, options.shell.world);
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
    target.depth = attributes.depth;
    target.colormap = attributes.colormap;
    target.width = attributes.width;
    target.height = attributes.height;
    target.screenWidth = WidthOfScreen(attributes.screen);
    target.screenHeight = HeightOfScreen(attributes.screen);
    return target;
}
