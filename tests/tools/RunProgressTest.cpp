#include "tools/RunProgress.h"

#include <gtest/gtest.h>

namespace {

TEST(RunProgress, TextGivesSimulatedTimeAndTheRealTimeLeftAtTheSamePace)
{
    // A sixth done in 5 s of real time: five sixths more take 25 s.
    EXPECT_EQ(ProgressText(100000, 600000, 5.0), "0:01:40 of 0:10:00 simulated (16%), about 0:00:25 left");
    // Hours of a soak; the rest rounds to the nearest second.
    EXPECT_EQ(ProgressText(3u * 3600000u, 72u * 3600000u, 59.9),
              "3:00:00 of 72:00:00 simulated (4%), about 0:22:58 left");
    // Nothing done yet: no estimate to give.
    EXPECT_EQ(ProgressText(0, 10000, 0.0), "0:00:00 of 0:00:10 simulated (0%)");
}

}  // namespace
