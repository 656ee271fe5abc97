#pragma once

#include <windows.h>

// Pixel measures of the shell are given for a 100 % screen (96 dots per inch) and grow with the
// screen's scale, so that they keep their physical size.
inline constexpr UINT BaseDpi = USER_DEFAULT_SCREEN_DPI;

// pixelsAt96 * dpi / 96, rounded to the nearest pixel, halves away from zero (MulDiv's rule).
// At 96 dots per inch every measure stays exactly as given.
int ScaleForDpi(int pixelsAt96, UINT dpi);

// The dots per inch of the system (the primary monitor at logon) and of a window's monitor.
// Windows before 10 (1607) lack the per-window query: both then give the system's value.
UINT SystemDpi();
UINT WindowDpi(HWND hwnd);
