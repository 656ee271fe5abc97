#include "render/damage/MergedAreas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::int64_t PixelsIn(const std::vector<PixelRect>& areas)
{
    std::int64_t pixels = 0;
    for (const PixelRect& r : areas) pixels += static_cast<std::int64_t>(r.right - r.left) * (r.bottom - r.top);
    return pixels;
}

bool Covered(int x, int y, const std::vector<PixelRect>& areas)
{
    for (const PixelRect& r : areas)
        if (r.left <= x && x < r.right && r.top <= y && y < r.bottom) return true;
    return false;
}

// Areas merge into the box around them only when that box holds no more pixels than they do,
// and the merged areas cover every pixel the areas did.
TEST(MergedAreasTest, OverlappingAreasBecomeOneBoxNoLargerThanThey)
{
    const struct {
        const char* name;
        std::vector<PixelRect> areas;
        std::size_t merged;
    } cases[] = {
        {"a box moved two pixels", {{20, 20, 30, 30}, {22, 21, 32, 31}}, 1},
        {"the same box twice", {{0, 0, 5, 5}, {0, 0, 5, 5}}, 1},
        {"a box inside another", {{0, 0, 10, 10}, {2, 2, 4, 4}}, 1},
        {"side by side", {{0, 0, 10, 10}, {10, 0, 20, 10}}, 1},
        {"apart", {{0, 0, 10, 10}, {12, 0, 22, 10}}, 2},
        {"crossing", {{0, 4, 20, 6}, {9, 0, 11, 20}}, 2},
        {"diagonal neighbours, one pixel too many", {{0, 0, 2, 2}, {1, 1, 3, 3}}, 2},
        {"a merge that reaches a third", {{8, 0, 32, 10}, {30, 0, 40, 10}, {0, 0, 10, 10}}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<PixelRect> merged = MergedAreas(c.areas);
        EXPECT_EQ(merged.size(), c.merged);
        EXPECT_LE(PixelsIn(merged), PixelsIn(c.areas));
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                if (Covered(x, y, c.areas)) {
                    EXPECT_TRUE(Covered(x, y, merged)) << x << ", " << y;
                }
    }
}

}  // namespace
