#include "render/damage/FootprintSurface.h"

#include "render/aliased/AliasedSurface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr ColorRef Grey = Rgb(128, 128, 128);
constexpr ColorRef White = Rgb(255, 255, 255);

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

// Each kind of shape, as the renderer gives them, on a surface 60 pixels square.
void DrawShape(DrawSurface& surface, int shape)
{
    const PixelPoint line[3] = {{5, 50}, {55, 41}, {48, 3}};
    const PixelPoint triangle[4] = {{7, 9}, {52, 30}, {20, 55}, {7, 9}};
    const PixelPoint wedge[4] = {{30, 30}, {70, 70}, {-10, 70}, {30, 30}};
    surface.BeginEntry(White, Grey, White);
    switch (shape) {
    case 0:
        return surface.Polyline(line, 3);
    case 1:
        return surface.Polygon(triangle, 4);
    case 2:
        return surface.Ellipse({11, 17, 48, 40});
    default:
        return surface.RingQuarter({6, 6, 54, 54}, {16, 16, 44, 44}, wedge);
    }
}

TEST(FootprintSurfaceTest, EveryPixelTheAliasedSurfaceDrawsLiesInTheBox)
{
    for (int shape = 0; shape < 4; ++shape) {
        SCOPED_TRACE(shape);
        FootprintSurface footprints;
        DrawShape(footprints, shape);
        footprints.EndEntry();
        const PixelRect box = footprints.Footprints().front().box;

        constexpr int Size = 60;
        std::vector<std::uint32_t> pixels(Size * Size, 0);
        AliasedSurface surface({reinterpret_cast<unsigned char*>(pixels.data()), Size, Size, Size * 4});
        DrawShape(surface, shape);
        int drawn = 0;
        for (int y = 0; y < Size; ++y) {
            for (int x = 0; x < Size; ++x) {
                if (pixels[y * Size + x] == 0) continue;
                ++drawn;
                EXPECT_TRUE(x >= box.left && x < box.right && y >= box.top && y < box.bottom) << x << ", " << y;
            }
        }
        EXPECT_GT(drawn, 0);
    }
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
