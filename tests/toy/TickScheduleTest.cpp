#include "toy/TickSchedule.h"

#include <gtest/gtest.h>

namespace {

TEST(TickScheduleTest, TheWaitCountsDownToZeroAtTheDueTime)
{
    EXPECT_EQ(WaitBefore(1050, 1000), 50);
    EXPECT_EQ(WaitBefore(1050, 1049), 1);
    EXPECT_EQ(WaitBefore(1050, 1050), 0);
    EXPECT_EQ(WaitBefore(1050, 5000), 0);
}

TEST(TickScheduleTest, TheWaitCrossesTheWrapOfTheClock)
{
    EXPECT_EQ(WaitBefore(20, 0xFFFFFFF6u), 30);
    EXPECT_EQ(WaitBefore(0xFFFFFFF6u, 20), 0);
}

TEST(TickScheduleTest, ATickOnTimeOrSlightlyLateKeepsTheBeat)
{
    EXPECT_EQ(NextDue(1050, 1050), 1100u);
    EXPECT_EQ(NextDue(1050, 1099), 1100u);
}

TEST(TickScheduleTest, ATickAWholeIntervalLateStartsAFreshBeat)
{
    EXPECT_EQ(NextDue(1050, 1100), 1150u);
    EXPECT_EQ(NextDue(1050, 9000), 9050u);
}

TEST(TickScheduleTest, TheBeatCrossesTheWrapOfTheClock)
{
    EXPECT_EQ(NextDue(0xFFFFFFF0u, 0xFFFFFFF0u), 0x22u);
    EXPECT_EQ(NextDue(0xFFFFFFF0u, 0x30u), 0x62u);
}

}  // namespace
