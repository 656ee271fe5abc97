// cascadium-wayland: the three worlds on a Wayland compositor, in three forms (wayland/Options.h):
// a window, a full-screen saver for an idle daemon (swayidle, hypridle, KDE), a live background.
//
// Implemented: the picture in wl_shm buffers, two or three, never drawn in while the compositor
//   holds one, damaged only where it changed; one picture a frame callback, between ticks; the
//   outputs' integer buffer scale; server-side decorations (xdg-decoration); keys through
//   xkbcommon, the pointer and one finger of touch through the toy; the background on every
//   output (wlr-layer-shell), following outputs as they come and go.
// Left out: fractional scaling (wp-fractional-scale, which Debian 12's sway 1.7, the compositor it
//   is tested under, does not offer; a fractional output gets the next whole scale, which the
//   compositor scales down, so wp-viewporter is not needed either), client-side decorations (a
//   compositor without xdg-decoration shows the window bare), key repeat (the toy takes only a
//   key's first press), the presentation clock (wp-presentation: the frame callback paces the
//   pictures, as the X11 program's delay does, and the moment shown is the clock's).
#include "toy/SteadyClock.h"
#include "wayland/Background.h"
#include "wayland/Connection.h"
#include "wayland/EventLoop.h"
#include "wayland/Options.h"
#include "wayland/Seat.h"
#include "wayland/Toplevel.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Closes the connection when the program's objects on it are gone.
struct DisplayCloser {
    void operator()(wl_display* display) const { wl_display_disconnect(display); }
};

int Run(Connection& connection, const Options& options, int signals)
{
    const SteadyClock clock;
    if (options.form == Form::Background) {
        Background background(connection, clock, options.shell.world);
        return RunEventLoop(connection.display, background, signals);
    }
    Toplevel window(connection, clock, options.shell.world, options.form == Form::Fullscreen);
    const Seat seat(connection, window);
    return RunEventLoop(connection.display, window, signals);
}

}  // namespace

int main(int argc, char** argv)
{
    const OptionsResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const std::optional<int> status =
            EndBeforeRunning("cascadium-wayland", parsed.error, parsed.options.shell.help, Usage()))
        return *status;
    const Options& options = parsed.options;

    const int signals = OpenSignalFd();
    if (signals < 0) {
        std::perror("cascadium-wayland: signalfd");
        return 1;
    }
    const std::unique_ptr<wl_display, DisplayCloser> display(wl_display_connect(nullptr));
    if (!display) {
        std::fputs("cascadium-wayland: cannot connect to a Wayland compositor (is WAYLAND_DISPLAY set?)\n", stderr);
        return 1;
    }
    Connection connection(display.get());
    if (!connection.Complete()) {
        std::fputs("cascadium-wayland: the compositor lacks wl_compositor 4, wl_shm or xdg-shell\n", stderr);
        return 1;
    }
    // A compositor without the layer shell (GNOME's) has no background to draw on: as a bad
    // option, the command line asked for what cannot be.
    if (options.form == Form::Background && !connection.layerShell) {
        std::fputs("cascadium-wayland: --background needs a compositor with wlr-layer-shell "
                   "(sway, Hyprland, KDE Plasma); this one has none\n",
                   stderr);
        return 2;
    }
    const int status = Run(connection, options, signals);
    close(signals);
    return status;
}
