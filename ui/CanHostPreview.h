#pragma once

#include <windows.h>

// True when the window handed over with "/p" can hold the preview: a live window whose
// ancestors end at the desktop. The desktop itself would get a topmost full-screen child that
// ignores all input, and a message-only window an invisible child that never ends.
bool CanHostPreview(HWND host);
