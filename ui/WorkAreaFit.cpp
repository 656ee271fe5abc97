#include "ui/WorkAreaFit.h"

#include "ui/DpiScale.h"

#include <algorithm>

namespace {

// One side of the window: no longer than the area's, from where it starts or nearer the area.
void FitSide(LONG& start, int& length, LONG areaStart, LONG areaEnd)
{
    length = std::min(length, static_cast<int>(areaEnd - areaStart));
    start = std::clamp(start, areaStart, areaEnd - length);
}

}  // namespace

void FitIntoWorkArea(HWND window, int widthAt96, int heightAt96)
{
    RECT placed{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(window, &placed)
        || !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    // The window exists now: its own monitor's scale, not the primary's the creation size used.
    const UINT dpi = WindowDpi(window);
    int width = ScaleForDpi(widthAt96, dpi);
    int height = ScaleForDpi(heightAt96, dpi);
    FitSide(placed.left, width, monitor.rcWork.left, monitor.rcWork.right);
    FitSide(placed.top, height, monitor.rcWork.top, monitor.rcWork.bottom);
    SetWindowPos(window, nullptr, placed.left, placed.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
