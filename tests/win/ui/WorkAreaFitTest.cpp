#include "ui/WorkAreaFit.h"

#include <gtest/gtest.h>

namespace {

// A window started near the bottom-right corner of the primary monitor's work area, fitted.
// The end-to-end script sees the first place Wine gives, always the corner at 0,0.
TEST(WorkAreaFit, AWindowStartedNearTheCornerMovesBackAndAnOverlargeOneFillsTheArea)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
    const RECT& area = monitor.rcWork;
    for (const int sizeAt96 : {300, 8000}) {
        const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, area.right - 50, area.bottom - 40,
                                            100, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        FitIntoWorkArea(window, sizeAt96, sizeAt96 / 2);
        RECT placed{};
        GetWindowRect(window, &placed);
        DestroyWindow(window);
        EXPECT_EQ(placed.right, area.right) << sizeAt96;
        EXPECT_EQ(placed.bottom, area.bottom) << sizeAt96;
        if (sizeAt96 == 8000) {
            EXPECT_TRUE(placed.left == area.left && placed.top == area.top);
        }
    }
}

}  // namespace
