#include "scene/Random.h"

#include <gtest/gtest.h>

TEST(Random, FollowsTheMicrosoftRecurrence)
{
    Random random;
    random.Seed(1);
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Next(), 18467);
    EXPECT_EQ(random.Next(), 6334);

    // Results stay 15 bits whatever the state's top bits.
    random.Seed(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        const int r = random.Next();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, Random::Max);
    }
}

TEST(Random, RealsWidenSingleConstantsAndRoundOnce)
{
    EXPECT_EQ(Random::RealOf(0, 0.95f, 0.05f), 0.05f);
    EXPECT_EQ(Random::RealOf(Random::Max, 0.95f, 0.05f), 1.0f);
    EXPECT_EQ(Random::RealOf(Random::Max, 60.0f, -30.0f), 30.0f);
    // 1.95f + 0.15f widened to double is not 2.1 exactly; the float result shows the difference.
    EXPECT_EQ(Random::RealOf(Random::Max, 1.95f, 0.15f),
              static_cast<float>(static_cast<double>(1.95f) + static_cast<double>(0.15f)));
    Random random;
    random.Seed(1);
    EXPECT_EQ(random.Real(100.0f, 1.0f), Random::RealOf(41, 100.0f, 1.0f));
}

TEST(Random, CountsTruncateAtTheKindBoundaries)
{
    EXPECT_EQ(Random::CountOf(41, 23.99f), 0);
    EXPECT_EQ(Random::CountOf(13658, 23.99f), 9);
    EXPECT_EQ(Random::CountOf(13659, 23.99f), 10);
    EXPECT_EQ(Random::CountOf(27317, 23.99f), 19);
    EXPECT_EQ(Random::CountOf(27318, 23.99f), 20);
    EXPECT_EQ(Random::CountOf(31414, 23.99f), 22);
    EXPECT_EQ(Random::CountOf(31415, 23.99f), 23);
    EXPECT_EQ(Random::CountOf(Random::Max, 23.99f), 23);
    EXPECT_EQ(Random::CountOf(16391, 19.99f), 9);
    EXPECT_EQ(Random::CountOf(16392, 19.99f), 10);
    EXPECT_EQ(Random::CountOf(Random::Max, 19.99f), 19);
    EXPECT_EQ(Random::CountOf(Random::Max, 3.99f), 3);
}
