#pragma once

#include "scene/WorldKind.h"

#include <X11/Xlib.h>

// The program's own window: the default view size, resizable, titled with the world's name, mapped, and
// selected for the events the program reads there (pointer, keys, focus, exposure, size, close).
Window CreateOwnWindow(Display* display, WorldKind world);

// The title: "Cascadium", "Newton's Cradle" or "Pachinko Machine".
void ShowWorldTitle(Display* display, Window window, WorldKind world);

// True for the window manager's request to close the window: a WM_PROTOCOLS message carrying
// WM_DELETE_WINDOW (other messages, such as _NET_WM_PING, may carry that atom too).
bool IsCloseRequest(Display* display, const XEvent& event);
