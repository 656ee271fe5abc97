#include "toy/TickSchedule.h"
#include "toy/FrameSchedule.h"

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

// Pictures drawn `late` ms after each is due: when the one after the last is due.
TEST(FrameScheduleTest, PicturesComeOncePerPeriodWithTheFractionsCarriedAndMissedOnesDropped)
{
    struct Row {
        std::uint32_t periodUs;
        std::uint32_t start;
        std::uint32_t late;
        int pictures;
        std::uint32_t nextDue;
    } rows[] = {
        {16666, 1000, 0, 60, 1000 + 999},                // 60 a second, not 62.5
        {16666, 0xFFFFFF00u, 0, 60, 0xFFFFFF00u + 999},  // across the wrap
        {16666, 1000, 16, 3, 1000 + 49},                 // late, but less than a period: the beat holds
        {16666, 1000, 17, 3, 1083 + 16},                 // a period late each time: a fresh beat from the last
        {0, 1000, 0, 5, 1005},                           // at most one a millisecond
    };
    for (const Row& r : rows) {
        FrameSchedule schedule(r.start, r.periodUs);
        std::uint32_t now = r.start;
        EXPECT_EQ(schedule.MsUntilDue(now), 0);
        for (int i = 0; i < r.pictures; ++i) {
            now += static_cast<std::uint32_t>(schedule.MsUntilDue(now)) + r.late;
            schedule.Drawn(now);
        }
        EXPECT_EQ(now + static_cast<std::uint32_t>(schedule.MsUntilDue(now)), r.nextDue)
            << r.periodUs << " us from " << r.start << ", " << r.late << " ms late";
    }
}

}  // namespace
