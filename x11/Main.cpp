// cascadium: the three worlds on X11, in a window of its own or as an xscreensaver hack.
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
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const OptionsResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "cascadium: %s\n", parsed.error.c_str());
        return 2;
    }
    const Options& options = parsed.options;
    if (options.shell.help) {
        // The text is what was asked for: a full disk or a closed pipe is a failure.
        if (std::fputs(Usage().c_str(), stdout) >= 0 && std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
        std::fputs("cascadium: cannot write to standard output\n", stderr);
        return 1;
    }

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
