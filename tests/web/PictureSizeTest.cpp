#include "web/PictureSize.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(PictureSize, CssLengthsBecomeDevicePixelsRoundedAndHeldToWhatALayoutHolds)
{
    struct Case {
        double css;
        double ratio;
        int pixels;
    };
    const Case cases[] = {
        {800.0, 1.0, 800},     {333.3, 1.5, 500},        {400.25, 2.0, 801},
        {65537.0, 1.0, 65537}, {1e12, 3.0, MaxViewSide}, {-5.0, 1.0, 0},
        {NAN, 1.0, 0},         {100.0, NAN, 0},          {INFINITY, 1.0, MaxViewSide},
    };
    for (const Case& c : cases) EXPECT_EQ(DevicePixels(c.css, c.ratio), c.pixels) << c.css << " at " << c.ratio;
}

TEST(PictureSize, ThePictureIsTheViewsCornerWithinTheCanvasLimits)
{
    struct Case {
        int viewWidth, viewHeight;
        int width, height;
    };
    const Case cases[] = {
        {800, 480, 800, 480},                   // all of it
        {2532, 1170, 2532, 1170},               // a phone held sideways, whatever its screen reports
        {7680, 4320, 7680, 4320},               // an 8K screen, whole
        {8192, 8192, 8192, 4096},               // 2^25 pixels at most
        {16384, 4096, 16384, 2048},             // wider than tall, over the cap
        {4096, 16384, 4096, 8192},              // taller than wide, over the cap
        {65536, 65537, 16384, 2048},            // 2^32 pixels and more: a side at most 16384
        {MaxViewSide, MaxViewSide, 16384, 2048},
        {0, 480, 0, 480},                       // nothing to show
        {-1, -1, 0, 0},
    };
    for (const Case& c : cases) {
        const PictureSize picture = PictureFor(c.viewWidth, c.viewHeight);
        EXPECT_EQ(picture.width, c.width) << c.viewWidth << 'x' << c.viewHeight;
        EXPECT_EQ(picture.height, c.height) << c.viewWidth << 'x' << c.viewHeight;
    }
}

}  // namespace
