#include "x11/TargetWindow.h"

#include "toy/PrintableArgument.h"
#include "x11/OwnWindow.h"

#include <cstdio>
#include <cstdlib>

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
    if (!named) return DefaultRootWindow(display);
    unsigned long id = 0;
    if (ParseWindowId(Trimmed(named), id)) return id;
    std::fprintf(stderr, "cascadium: XSCREENSAVER_WINDOW '%s' is not a window id; drawing on the root window\n",
                 Printable(named).c_str());
    return DefaultRootWindow(display);
}

}  // namespace

TargetResult OpenTarget(Display* display, const Options& options)
{
    TargetResult result;
    TargetWindow& target = result.target;
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
    // A window that is gone before the first picture was never one to draw in: the id the
    // command line or XSCREENSAVER_WINDOW gave is wrong, as a bad option is.
    if (XGetWindowAttributes(display, target.window, &attributes) == 0) {
        result.error = "the window to draw in does not exist";
        return result;
    }
    if (attributes.c_class == InputOnly) {
        result.error = "the window to draw in is an input-only window, which nothing can be drawn in";
        return result;
    }
    if (!target.own) XSelectInput(display, target.window, ForeignWindowEvents);
    target.root = attributes.root;
    target.visual = attributes.visual;
    target.depth = attributes.depth;
    target.colormap = attributes.colormap;
    target.width = attributes.width;
    target.height = attributes.height;
    target.screenWidth = WidthOfScreen(attributes.screen);
    target.screenHeight = HeightOfScreen(attributes.screen);
    return result;
}
