#pragma once

#include "scene/ObjectShape.h"
#include "scene/WorldKind.h"
#include "ui/RunMode.h"

#include <windows.h>

#include <cstdint>

// The values that live as long as the process, all defined in ProcessState.cpp. Only the entry
// point touches them: it hands them to the objects that need them. The window framework's map
// (WindowMap.h) is defined there too.

// The persisted world choice: read from the registry before the entry point runs (-1 when
// nothing usable is stored), normalised at start-up, replaced by the settings dialog's OK.
extern std::int32_t StoredWorld;
// How the executable was started, and the window handed over after "/p" or "/c:" (null otherwise).
extern RunModeKind RunMode;
extern HWND HostWindow;
// The world the main window builds and runs; changed afterwards only by its World menu.
extern WorldKind CurrentWorld;
// The shape of the last object dropped with the pointer: drops alternate, the first is a box.
extern ObjectShape LastPlacedShape;
