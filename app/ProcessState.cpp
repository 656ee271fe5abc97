#include "app/ProcessState.h"

#include "settings/WorldSetting.h"
#include "ui/WindowMap.h"

// One translation unit, so that definition order is initialisation order: the stored world is
// read from the registry before the window map exists, and both before the entry point runs.
std::int32_t StoredWorld = ReadWorldSetting();
std::unordered_map<HWND, CWnd*> WindowMap;

RunModeKind RunMode = RunModeKind::Windowed;
HWND HostWindow = nullptr;
WorldKind CurrentWorld = WorldKind::Cascadium;
ObjectShape LastPlacedShape = ObjectShape::Circle;
