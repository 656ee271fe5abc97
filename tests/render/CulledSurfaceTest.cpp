#include "render/CulledSurface.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr ColorRef Grey = Rgb(128, 128, 128);

// Draws one frame of entries, each an ellipse in its own box, through a CulledSurface.
RecordingSurface DrawCulled(const std::vector<PixelRect>& boxes, const std::vector<Footprint>& footprints,
                            const std::vector<PixelRect>& areas)
{
    RecordingSurface recorder;
    CulledSurface culled(recorder, footprints, areas);
    culled.Clear(800, 480);
    for (const PixelRect& box : boxes) {
        culled.BeginEntry(Grey, Grey, 0);
        culled.Ellipse(box);
        culled.EndEntry();
    }
    culled.Present(800, 480);
    return recorder;
}

const PixelRect Box{100, 100, 120, 120};

TEST(CulledSurfaceTest, AnEntryOverlappingAnAreaByOnePixelIsDrawn)
{
    const RecordingSurface r = DrawCulled({Box}, {{1, Box}}, {{119, 119, 200, 200}});
    ASSERT_EQ(r.entries.size(), 1u);
    EXPECT_EQ(r.entries[0].shapes.size(), 1u);
}

TEST(CulledSurfaceTest, AnEntryEndingWhereAnAreaBeginsIsLeftOut)
{
    const RecordingSurface r = DrawCulled({Box}, {{1, Box}}, {{120, 100, 200, 200}, {100, 120, 120, 130}});
    EXPECT_TRUE(r.entries.empty());
    EXPECT_EQ(r.strayShapes, 0);
}

TEST(CulledSurfaceTest, ClearingAndPresentingAlwaysPass)
{
    const RecordingSurface r = DrawCulled({Box}, {{1, Box}}, {});
    using Call = RecordingSurface::Call;
    EXPECT_EQ(r.calls, (std::vector<Call>{Call::Clear, Call::Present}));
    EXPECT_EQ(r.clearedWidth, 800);
    EXPECT_EQ(r.presentedHeight, 480);
}

TEST(CulledSurfaceTest, EachEntryIsJudgedByItsOwnFootprint)
{
    const PixelRect far{500, 300, 520, 320};
    const RecordingSurface r = DrawCulled({Box, far, Box}, {{1, Box}, {2, far}, {1, Box}}, {{510, 310, 511, 311}});
    ASSERT_EQ(r.entries.size(), 1u);
    EXPECT_EQ(r.entries[0].shapes[0].box.left, 500);
}

TEST(CulledSurfaceTest, EntriesBeyondTheFootprintsAreDrawn)
{
    const RecordingSurface r = DrawCulled({Box, Box}, {{1, Box}}, {});
    EXPECT_EQ(r.entries.size(), 1u);
}

}  // namespace
