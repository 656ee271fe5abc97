#include "render/aliased/ClipBands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(ClipBandsTest, OverlappingAreasBecomeBandsThatNameEachPixelOfTheirUnionOnce)
{
    // Two overlapping squares, a bar touching the second, one apart and one inside another.
    const std::vector<PixelRect> rects = {
        {0, 0, 10, 10}, {5, 5, 15, 15}, {15, 5, 20, 10}, {30, 0, 40, 5}, {32, 1, 35, 3}};
    constexpr int Width = 45;
    constexpr int Height = 20;
    std::vector<int> named(Width * Height, 0);
    int lastBottom = 0;
    for (const ClipBand& band : ClipBands(rects)) {
        EXPECT_LT(band.top, band.bottom);
        EXPECT_LE(lastBottom, band.top);
        lastBottom = band.bottom;
        for (std::size_t i = 0; i < band.runs.size(); ++i) {
            EXPECT_LT(band.runs[i].left, band.runs[i].right);
            // Runs that touched would have been one.
            if (i > 0) {
                EXPECT_LT(band.runs[i - 1].right, band.runs[i].left);
            }
            for (int y = band.top; y < band.bottom; ++y) {
                for (int x = band.runs[i].left; x < band.runs[i].right; ++x) ++named[y * Width + x];
            }
        }
    }
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const bool inside = std::any_of(rects.begin(), rects.end(), [&](const PixelRect& r) {
                return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            });
            EXPECT_EQ(named[y * Width + x], inside ? 1 : 0) << x << ", " << y;
        }
    }
}

TEST(ClipBandsTest, EmptyAreasCoverNothing)
{
    EXPECT_TRUE(ClipBands({{5, 5, 5, 10}, {5, 5, 10, 5}, {8, 8, 2, 2}}).empty());
}

}  // namespace
