// cascadium: the worlds on X11, in a window of its own or as an xscreensaver hack.
//
// What it supplies of a shell (docs/adding-a-shell.md):
//  [x] Clock: SteadyClock.
//  [x] Loop: poll on the X connection and a signal descriptor, asleep until the next tick or
//      picture (x11/EventLoop.cpp).
//  [x] Picture: an image in memory shared with the X server, one copy a picture clipped to the
//      changed areas; without MIT-SHM (a remote server) the areas' pixels are sent
//      (x11/WindowBuffer.cpp, x11/ServerImage.cpp); visuals other than 24-bit TrueColor are
//      converted (x11/VisualPixels.cpp).
//  [x] Size and lost pixels: ConfigureNotify, Expose.
//  [x] Pointer: buttons, motion with the first button held and FocusOut, in its own window.
//  [x] Keys: the key's symbol and modifiers, in its own window.
//  [x] Options: --world and --help, and its own --root, --window-id and --delay (x11/Options.cpp).
//  [x] Ending: q or Escape, the window manager's close, SIGTERM, SIGINT or SIGHUP, or the window
//      destroyed (status 0); no display or a lost connection (1); a bad option or window (2).
// Left out:
//  [ ] Input on the root window, xscreensaver's window or another program's: it only draws there.
//  [ ] A full-screen mode and an icon of its own window: --root and xscreensaver cover the screen.
#include "toy/SteadyClock.h"
#include "x11/EventLoop.h"
#include "x11/Options.h"
#include "x11/SceneWindow.h"
#include "x11/SignalFd.h"
#include "x11/TargetWindow.h"
#include "x11/XDisplay.h"
#include "x11/XErrors.h"

#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const OptionsResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const std::optional<int> status =
            EndBeforeRunning("cascadium", parsed.error, parsed.options.shell.help, Usage()))
        return *status;
    const Options& options = parsed.options;

    // Before anything else, so that a signal sent while the program starts is not lost.
    const SignalFd signals({SIGTERM, SIGINT, SIGHUP});
    if (signals.Fd() < 0) {
        std::perror("cascadium: signalfd");
        return 1;
    }
    // Declared before everything drawn on it, so it closes last.
    const XDisplay display;
    if (!display.Get()) {
        std::fputs("cascadium: cannot open the X display\n", stderr);
        return 1;
    }
    InstallXErrorHandlers();

    const TargetResult opened = OpenTarget(display.Get(), options);
    if (!opened.error.empty()) {
        std::fprintf(stderr, "cascadium: %s\n", opened.error.c_str());
        return 2;
    }
    const SteadyClock clock;
    SceneWindow window(display.Get(), opened.target, options.shell.world, clock, options.delayUs);
    return RunEventLoop(display.Get(), window, signals);
}
