#include "render/ViewMapping.h"
#include "tests/render/PixelPrinting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

PixelPoint Pixel(float x, float y, int width, int height)
{
    return ToPixel(WorldToClient(x, y, width, height));
}

}  // namespace

TEST(ViewMapping, OneWorldUnitIsHeightOverThirtyPixels)
{
    EXPECT_EQ(Pixel(0.0f, 0.0f, 800, 480), (PixelPoint{400, 480}));
    EXPECT_EQ(Pixel(1.0f, 1.0f, 800, 480), (PixelPoint{416, 464}));
    EXPECT_EQ(Pixel(0.0f, 30.0f, 800, 480), (PixelPoint{400, 0}));
    EXPECT_EQ(Pixel(-25.0f, 15.0f, 800, 480), (PixelPoint{0, 240}));
    // The horizontal scale follows the height too, not the width.
    EXPECT_EQ(Pixel(1.0f, 0.0f, 1600, 480), (PixelPoint{816, 480}));
}

TEST(ViewMapping, OddWidthPutsTheCentreOnTheTruncatedHalf)
{
    EXPECT_EQ(Pixel(0.0f, 0.0f, 801, 480), (PixelPoint{400, 480}));
    const ClientPoint c = WorldToClient(0.0f, 15.0f, 801, 480);
    EXPECT_EQ(c.x, 400.0f);
    EXPECT_EQ(c.y, 240.0f);
}

TEST(ViewMapping, PixelsTruncateTowardZero)
{
    EXPECT_EQ(ToPixel({-0.7f, -0.7f}), (PixelPoint{0, 0}));
    EXPECT_EQ(ToPixel({-1.5f, 2.9f}), (PixelPoint{-1, 2}));
    EXPECT_EQ(ToPixel({415.99f, 0.99f}), (PixelPoint{415, 0}));
}

TEST(ViewMapping, PixelsFarOutsideAnyPictureStayDefined)
{
    const PixelPoint far = ToPixel({1.0e20f, -1.0e20f});
    EXPECT_GT(far.x, 1000000);
    EXPECT_LT(far.y, -1000000);
    EXPECT_EQ(ToPixel({std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}).x, 0);
}

TEST(ViewMapping, ClientToWorldInvertsTheMapping)
{
    const WorldPoint top = ClientToWorld(400, 0, 800, 480);
    EXPECT_EQ(top.x, 0.0f);
    EXPECT_EQ(top.y, 30.0f);
    const WorldPoint one = ClientToWorld(416, 464, 800, 480);
    EXPECT_EQ(one.x, 1.0f);
    EXPECT_EQ(one.y, 1.0f);
    const WorldPoint origin = ClientToWorld(400, 480, 801, 480);
    EXPECT_EQ(origin.x, 0.0f);
    EXPECT_EQ(origin.y, 0.0f);
    // The captured pointer left of and above the client area.
    const WorldPoint outside = ClientToWorld(-16, -16, 800, 480);
    EXPECT_EQ(outside.x, -26.0f);
    EXPECT_EQ(outside.y, 31.0f);

    // Every pixel of a row maps back to itself, up to the float rounding of a whole pixel.
    for (int px = -50; px < 850; ++px) {
        const WorldPoint w = ClientToWorld(px, 123, 800, 480);
        const ClientPoint back = WorldToClient(w.x, w.y, 800, 480);
        ASSERT_NEAR(back.x, static_cast<float>(px), 1e-3f) << px;
        ASSERT_NEAR(back.y, 123.0f, 1e-3f);
    }
}
