#include "render/aliased/RowSpans.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RowSpansTest, WholeNumbersRoundAsCeilAndFloorOnBothSidesOfZero)
{
    for (const double x : {-2.5, -2.0, -1.0000001, -0.5, -0.0, 0.0, 1e-9, 0.5, 1.0, 1.9999999, 3.5, -2147483647.5}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(CeilToInt(x), static_cast<int>(std::ceil(x)));
        EXPECT_EQ(FloorToInt(x), static_cast<int>(std::floor(x)));
    }
}

// Halfway down a line two rows tall and one column across, its pixel lies half a column off:
// the tie goes away from the line's upper end, leftward or rightward alike, as lround takes it.
TEST(RowSpansTest, ASteepLineTakesATieAwayFromItsUpperEnd)
{
    const struct {
        PixelPoint from;
        PixelPoint to;
        int x;
    } lines[] = {{{0, 0}, {1, 2}, 1}, {{0, 0}, {-1, 2}, -1}, {{1, 2}, {0, 0}, 1}, {{3, 0}, {0, 6}, 1}, {{-3, 0}, {0, 6}, -1}};
    for (const auto& line : lines) {
        const int y = (line.from.y + line.to.y) / 2;
        const Span span = LineRows(line.from, line.to).At(y);
        EXPECT_EQ(span.left, line.x) << line.to.x << ", " << line.to.y;
        EXPECT_EQ(span.right, line.x + 1);
    }
}

}  // namespace
