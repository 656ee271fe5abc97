#include <gtest/gtest.h>

#include <limits>

#include "scene/NormaliseWorld.h"

TEST(NormaliseWorld, ValidWorldsAreKept)
{
    EXPECT_EQ(NormaliseWorld(0), 0);
    EXPECT_EQ(NormaliseWorld(1), 1);
    EXPECT_EQ(NormaliseWorld(2), 2);
}

TEST(NormaliseWorld, NothingStoredGivesTheFirstWorld)
{
    EXPECT_EQ(NormaliseWorld(-1), 0);
}

TEST(NormaliseWorld, OtherValuesGiveTheLastWorldEvenWhenNegative)
{
    for (std::int32_t stored :
         {3, 7, 9, -2, -5, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()})
        EXPECT_EQ(NormaliseWorld(stored), 2) << stored;
}
