#include "render/FootprintSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr ColorRef Grey = Rgb(128, 128, 128);
constexpr ColorRef White = Rgb(255, 255, 255);

bool operator==(const PixelRect& a, const PixelRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// One frame of one entry: a polygon through the points, in the given colours.
Footprint PolygonFootprint(std::vector<PixelPoint> points, ColorRef fill = Grey)
{
    FootprintSurface surface;
    surface.Clear(800, 480);
    surface.BeginEntry(White, fill, 0);
    surface.Polygon(points.data(), static_cast<int>(points.size()));
    surface.EndEntry();
    surface.Present(800, 480);
    EXPECT_EQ(surface.Footprints().size(), 1u);
    return surface.Footprints().front();
}

TEST(FootprintSurfaceTest, TheBoxReachesTwoPixelsBeyondEveryPixelTheShapeNames)
{
    const Footprint f = PolygonFootprint({{10, 20}, {30, 40}, {10, 40}, {10, 20}});
    EXPECT_TRUE(f.box == (PixelRect{8, 18, 33, 43}));
}

TEST(FootprintSurfaceTest, AnEllipseCoversItsWholeBox)
{
    FootprintSurface surface;
    surface.BeginEntry(White, Grey, 0);
    surface.Ellipse({100, 50, 140, 90});
    surface.EndEntry();
    EXPECT_TRUE(surface.Footprints().front().box == (PixelRect{98, 48, 143, 93}));
}

TEST(FootprintSurfaceTest, TheSameDrawingHasTheSameSignature)
{
    EXPECT_EQ(PolygonFootprint({{10, 20}, {30, 40}}).signature, PolygonFootprint({{10, 20}, {30, 40}}).signature);
}

TEST(FootprintSurfaceTest, AOnePixelMoveOrAnotherColourChangesTheSignature)
{
    const auto base = PolygonFootprint({{10, 20}, {30, 40}}).signature;
    EXPECT_NE(PolygonFootprint({{11, 20}, {30, 40}}).signature, base);
    EXPECT_NE(PolygonFootprint({{10, 20}, {30, 41}}).signature, base);
    EXPECT_NE(PolygonFootprint({{10, 20}, {30, 40}}, White).signature, base);
}

TEST(FootprintSurfaceTest, ALineAndAPolygonThroughTheSamePointsDiffer)
{
    const PixelPoint points[2] = {{10, 20}, {30, 40}};
    FootprintSurface surface;
    surface.BeginEntry(White, Grey, 0);
    surface.Polyline(points, 2);
    surface.EndEntry();
    EXPECT_NE(surface.Footprints().front().signature, PolygonFootprint({{10, 20}, {30, 40}}).signature);
}

TEST(FootprintSurfaceTest, EveryEntryIsKeptEvenOneThatDrewNothing)
{
    FootprintSurface surface;
    surface.Clear(800, 480);
    surface.BeginEntry(White, Grey, 0);
    surface.EndEntry();
    surface.BeginEntry(White, Grey, 0);
    surface.Ellipse({1, 2, 3, 4});
    surface.EndEntry();
    ASSERT_EQ(surface.Footprints().size(), 2u);
    EXPECT_EQ(surface.Footprints()[0].box.right - surface.Footprints()[0].box.left, 0);
}

TEST(FootprintSurfaceTest, ClearingStartsANewFrame)
{
    FootprintSurface surface;
    surface.BeginEntry(White, Grey, 0);
    surface.EndEntry();
    surface.Clear(800, 480);
    EXPECT_TRUE(surface.Footprints().empty());
}

}  // namespace
