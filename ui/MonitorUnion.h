#pragma once

#include <windows.h>

// EnumDisplayMonitors callback: grows the RECT that `data` points at to cover the monitor.
// Started from (0, 0, 0, 0) it yields the bounding rectangle of all monitors, because the
// primary monitor's top-left corner is the origin.
BOOL CALLBACK MonitorUnionProc(HMONITOR monitor, HDC dc, LPRECT monitorRect, LPARAM data);
