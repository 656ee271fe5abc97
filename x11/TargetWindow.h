#pragma once

#include "x11/Options.h"

#include <X11/Xlib.h>

#include <string>

// The window the picture goes to, with what drawing on it needs.
struct TargetWindow {
    Window window = None;
    Window root = None;  // of the window's screen
    bool own = false;  // input is read only in a window of the program's own
    Visual* visual = nullptr;
    int depth = 0;
    Colormap colormap = None;
    int width = 0;
    int height = 0;
    // Of the screen the window is on: no more of the window than that can be seen at once.
    int screenWidth = 0;
    int screenHeight = 0;
};

struct TargetResult {
    TargetWindow target;
    std::string error;  // one line when there is no window to draw in; else empty
};

// The window the options name: a new one of our own; for --root the window XSCREENSAVER_WINDOW
// names (decimal or 0x hexadecimal, white space around it allowed) when it is set, else the
// root window, as the screen saver's own programs take it (a value that is no window id gets
// one line saying so and the root window); or the --window-id window. On another program's
// window only exposure, size and destruction are read. An error when the window named does not
// exist or takes no drawing (an input-only window).
TargetResult OpenTarget(Display* display, const Options& options);
