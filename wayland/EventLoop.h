#pragma once

#include <wayland-client.h>

// What the loop runs: one form of the program, with its surfaces.
class Shown {
public:
    // Runs what is due (ticks) and draws what may be drawn (pictures asked for by frame
    // callbacks, or owed after a new size).
    virtual void TickAndPaint() = 0;
    // Milliseconds until the next tick; 0 when one is due now.
    virtual int MsUntilDue() const = 0;
    // The user or the compositor ended it (closed, q or Escape, the saver woken).
    virtual bool Ended() const = 0;

protected:
    ~Shown() = default;
};

// Blocks SIGTERM, SIGINT and SIGHUP and returns a descriptor that reads them, or -1. Made
// before anything else, so that a signal sent while the program starts is not lost.
int OpenSignalFd();

// One thread, no busy waiting: sleeps in poll on the compositor's connection and the signal
// descriptor until an event, a signal or the next tick. Returns the exit status: 0 when the
// form ends or on a signal; 1, with one line, when the connection is lost.
int RunEventLoop(wl_display* display, Shown& shown, int signalFd);
