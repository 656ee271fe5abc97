#include "ui/WorkAreaFit.h"

#include "ui/DpiScale.h"

#include <gtest/gtest.h>

namespace {

RECT WorkAreaOfPrimary()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

// A plain window fitted to the primary monitor's work area from a start of (x, y).
RECT Fitted(int x, int y, int widthAt96, int heightAt96)
{
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, x, y, 100, 80, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    FitIntoWorkArea(window, widthAt96, heightAt96);
    RECT placed{};
    GetWindowRect(window, &placed);
    DestroyWindow(window);
    return placed;
}

TEST(WorkAreaFit, AWindowThatFitsKeepsItsPlaceAndTakesItsScaledSize)
{
    const RECT area = WorkAreaOfPrimary();
    const RECT placed = Fitted(area.left + 10, area.top + 20, 300, 200);
    const UINT dpi = SystemDpi();
    EXPECT_EQ(placed.left, area.left + 10);
    EXPECT_EQ(placed.top, area.top + 20);
    EXPECT_EQ(placed.right - placed.left, ScaleForDpi(300, dpi));
    EXPECT_EQ(placed.bottom - placed.top, ScaleForDpi(200, dpi));
}

TEST(WorkAreaFit, AWindowLargerThanTheAreaFromNearItsCornerFillsItExactly)
{
    const RECT area = WorkAreaOfPrimary();
    const RECT placed = Fitted(area.right - 50, area.bottom - 40, 8000, 8000);
    EXPECT_EQ(placed.left, area.left);
    EXPECT_EQ(placed.top, area.top);
    EXPECT_EQ(placed.right, area.right);
    EXPECT_EQ(placed.bottom, area.bottom);
}

TEST(WorkAreaFit, AWindowThatFitsFromPastTheCornerMovesBackIntoTheArea)
{
    const RECT area = WorkAreaOfPrimary();
    const RECT placed = Fitted(area.right - 50, area.bottom - 40, 300, 200);
    EXPECT_EQ(placed.right, area.right);
    EXPECT_EQ(placed.bottom, area.bottom);
}

}  // namespace
