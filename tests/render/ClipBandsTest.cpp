#include "render/ClipBands.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ClipBandsTest, OverlappingAreasBecomeBandsOfSeparateRuns)
{
    // Two overlapping squares and, touching the second, a bar that merges with it.
    const std::vector<ClipBand> bands = ClipBands({{0, 0, 10, 10}, {5, 5, 15, 15}, {15, 5, 20, 10}, {30, 0, 40, 5}});

    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].top, 0);
    EXPECT_EQ(bands[0].bottom, 5);
    ASSERT_EQ(bands[0].runs.size(), 2u);
    EXPECT_EQ(bands[0].runs[0].left, 0);
    EXPECT_EQ(bands[0].runs[0].right, 10);
    EXPECT_EQ(bands[0].runs[1].left, 30);
    EXPECT_EQ(bands[1].top, 5);
    EXPECT_EQ(bands[1].bottom, 10);
    ASSERT_EQ(bands[1].runs.size(), 1u);
    EXPECT_EQ(bands[1].runs[0].left, 0);
    EXPECT_EQ(bands[1].runs[0].right, 20);
    EXPECT_EQ(bands[2].top, 10);
    EXPECT_EQ(bands[2].bottom, 15);
    ASSERT_EQ(bands[2].runs.size(), 1u);
    EXPECT_EQ(bands[2].runs[0].left, 5);
    EXPECT_EQ(bands[2].runs[0].right, 15);
}

TEST(ClipBandsTest, EmptyAreasCoverNothing)
{
    EXPECT_TRUE(ClipBands({{5, 5, 5, 10}, {5, 5, 10, 5}, {8, 8, 2, 2}}).empty());
}

}  // namespace
