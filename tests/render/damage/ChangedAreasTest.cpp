#include "render/damage/ChangedAreas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool operator==(const PixelRect& a, const PixelRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

const Footprint Still{1, {0, 0, 10, 10}};
const Footprint MovingBefore{2, {20, 20, 30, 30}};
const Footprint MovingAfter{3, {22, 20, 32, 30}};

TEST(ChangedAreasTest, TwoFramesAlikeChangeNothing)
{
    EXPECT_TRUE(ChangedAreas({Still, MovingBefore}, {Still, MovingBefore}).empty());
}

TEST(ChangedAreasTest, AMovedEntryChangesWhereItWasAndWhereItIs)
{
    const std::vector<PixelRect> areas = ChangedAreas({Still, MovingBefore}, {Still, MovingAfter});
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_TRUE(areas[0] == MovingBefore.box);
    EXPECT_TRUE(areas[1] == MovingAfter.box);
}

TEST(ChangedAreasTest, AnEntryThatWentOrCameChangesItsBox)
{
    const std::vector<PixelRect> gone = ChangedAreas({Still, MovingBefore}, {Still});
    ASSERT_EQ(gone.size(), 1u);
    EXPECT_TRUE(gone[0] == MovingBefore.box);
    const std::vector<PixelRect> came = ChangedAreas({}, {Still});
    ASSERT_EQ(came.size(), 1u);
    EXPECT_TRUE(came[0] == Still.box);
}

TEST(ChangedAreasTest, TheOrderOfDrawingDoesNotCount)
{
    EXPECT_TRUE(ChangedAreas({Still, MovingBefore}, {MovingBefore, Still}).empty());
}

}  // namespace
