#pragma once

#include <windows.h>

// The lParam of a mouse message at client point (x, y): two signed 16-bit coordinates, so a
// point left of or above the client area stays negative.
inline LPARAM At(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
}
