#pragma once

#include <X11/Xlib.h>

class SceneWindow;
class SignalFd;

// One thread, no busy waiting: sleeps in poll on the X connection and the signal descriptor
// until an event, a signal, the toy's next tick or the next picture. Returns the exit status:
// 0 when the window ends it (closed, destroyed, q or Escape) or on SIGTERM, SIGINT or SIGHUP;
// 1 on an X error that is not about the window having gone, or when there is no memory for the
// picture.
int RunEventLoop(Display* display, SceneWindow& window, const SignalFd& signals);
