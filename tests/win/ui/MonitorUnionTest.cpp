#include "ui/MonitorUnion.h"

#include <gtest/gtest.h>

namespace {

RECT Union(std::initializer_list<RECT> monitors)
{
    RECT area{};
    for (RECT monitor : monitors)
        EXPECT_TRUE(MonitorUnionProc(nullptr, nullptr, &monitor, reinterpret_cast<LPARAM>(&area)));
    return area;
}

TEST(MonitorUnionTest, OneMonitorGivesItsOwnRectangle)
{
    const RECT area = Union({{0, 0, 1920, 1080}});
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.right, 1920);
    EXPECT_EQ(area.bottom, 1080);
}

TEST(MonitorUnionTest, MonitorsLeftOfAndAboveThePrimaryGiveNegativeCoordinates)
{
    const RECT area = Union({{0, 0, 1920, 1080}, {-1280, 100, 0, 1124}, {1920, -300, 3200, 724}});
    EXPECT_EQ(area.left, -1280);
    EXPECT_EQ(area.top, -300);
    EXPECT_EQ(area.right, 3200);
    EXPECT_EQ(area.bottom, 1124);
}

}  // namespace
