#pragma once

#include <windows.h>

// The window handed over on the command line: the parent of the preview window ("/p") or the
// owner of the settings dialog ("/c:"); null in the other run modes.
inline HWND HostWindow = nullptr;
