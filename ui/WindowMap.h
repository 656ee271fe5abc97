#pragma once

// Process-wide state starts in a fixed order: the stored world is read from the registry before
// the window map exists. Inline variables defined earlier in every translation unit that
// defines a later one are initialised first, so this include fixes the order.
#include "StoredWorld.h"

#include <windows.h>

#include <unordered_map>

class CWnd;

// Which object owns each bound window or dialog. The pointers do not own their objects.
inline std::unordered_map<HWND, CWnd*> WindowMap;
