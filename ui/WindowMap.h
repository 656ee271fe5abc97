#pragma once

#include <windows.h>

#include <unordered_map>

class CWnd;

// Which object owns each bound window or dialog. The pointers do not own their objects.
// Defined with the other process-wide values (app/ProcessState.cpp), after the stored world.
extern std::unordered_map<HWND, CWnd*> WindowMap;
