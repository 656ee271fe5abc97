#include "wayland/EventLoop.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <initializer_list>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

int Lost(wl_display* display)
{
    // A protocol error is the program's fault and worth its own words; anything else is the
    // compositor gone (killed, crashed, the session ended).
    if (wl_display_get_error(display) == EPROTO) {
        std::fputs("cascadium-wayland: the compositor closed the connection on a protocol error\n", stderr);
    } else {
        std::fputs("cascadium-wayland: the connection to the compositor is gone\n", stderr);
    }
    return 1;
}

}  // namespace

int OpenSignalFd()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&set, signal);
    if (sigprocmask(SIG_BLOCK, &set, nullptr) != 0) return -1;
    return signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
}

int RunEventLoop(wl_display* display, Shown& shown, int signalFd)
{
    for (;;) {
        if (wl_display_dispatch_pending(display) < 0) return Lost(display);
        if (shown.Ended()) return 0;
        shown.TickAndPaint();
        // Events read while painting are handled before sleeping; then the requests go out.
        while (wl_display_prepare_read(display) != 0)
            if (wl_display_dispatch_pending(display) < 0) return Lost(display);
        if (wl_display_flush(display) < 0 && errno != EAGAIN) {
            wl_display_cancel_read(display);
            return Lost(display);
        }
        pollfd fds[2] = {{wl_display_get_fd(display), POLLIN, 0}, {signalFd, POLLIN, 0}};
        if (poll(fds, 2, shown.MsUntilDue()) < 0 && errno != EINTR) {
            wl_display_cancel_read(display);
            return Lost(display);
        }
        if (fds[0].revents != 0) {
            if (wl_display_read_events(display) < 0) return Lost(display);
        } else {
            wl_display_cancel_read(display);
        }
        signalfd_siginfo info{};
        if ((fds[1].revents & POLLIN) && read(signalFd, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
            return 0;
    }
}
