#include "render/aliased/AliasedSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Pixels as the picture holds them (0xRRGGBB); the surface is given colours as ColorRef.
constexpr std::uint32_t White = 0xFFFFFFu;
constexpr std::uint32_t Navy = 0x000080u;
constexpr std::uint32_t Grey = 0x808080u;
constexpr std::uint32_t Red = 0xFF0000u;
constexpr ColorRef NavyRef = Rgb(0, 0, 128);
constexpr ColorRef GreyRef = Rgb(128, 128, 128);
constexpr ColorRef RedRef = Rgb(255, 0, 0);

// A white picture in memory.
struct Picture {
    Picture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, White) {}

    PixelImage Image() { return {reinterpret_cast<unsigned char*>(pixels.data()), width, height, width * 4}; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    int Count(std::uint32_t pixel) const
    {
        int n = 0;
        for (std::uint32_t p : pixels) n += p == pixel;
        return n;
    }

    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

TEST(AliasedSurfaceTest, AnEllipseHasAOnePixelOutlineInsideItsBox)
{
    Picture picture(30, 30);
    AliasedSurface surface(picture.Image());
    surface.BeginEntry(NavyRef, GreyRef, 0);
    surface.Ellipse({5, 5, 25, 25});
    surface.Ellipse({1, 1, 2, 2});  // a one-pixel box still shows as a dot

    for (auto [x, y] : {std::pair{15, 5}, {15, 24}, {5, 15}, {24, 15}}) EXPECT_EQ(picture.At(x, y), Navy);
    for (auto [x, y] : {std::pair{15, 6}, {15, 23}, {6, 15}, {23, 15}, {15, 15}}) EXPECT_EQ(picture.At(x, y), Grey);
    for (auto [x, y] : {std::pair{15, 4}, {15, 25}, {4, 15}, {25, 15}, {5, 5}}) EXPECT_EQ(picture.At(x, y), White);
    EXPECT_EQ(picture.At(1, 1), Navy);
}

TEST(AliasedSurfaceTest, APolygonIsFilledAndOutlinedThroughItsPoints)
{
    Picture picture(20, 20);
    AliasedSurface surface(picture.Image());
    surface.BeginEntry(NavyRef, GreyRef, 0);
    const PixelPoint square[5] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}, {2, 2}};
    surface.Polygon(square, 5);

    EXPECT_EQ(picture.Count(Navy), 40);
    EXPECT_EQ(picture.Count(Grey), 81);
    EXPECT_EQ(picture.At(12, 12), Navy);
    EXPECT_EQ(picture.At(13, 7), White);
}

TEST(AliasedSurfaceTest, ALineIsOnePixelWideWithoutGapsFromEndToEnd)
{
    for (const PixelPoint end : {PixelPoint{17, 5}, PixelPoint{5, 17}, PixelPoint{-9, 3}, PixelPoint{3, -9}}) {
        Picture picture(40, 40);
        AliasedSurface surface(picture.Image());
        surface.BeginEntry(RedRef, 0, 0);
        const PixelPoint line[2] = {{20, 20}, {20 + end.x, 20 + end.y}};
        surface.Polyline(line, 2);

        EXPECT_EQ(picture.Count(Red), std::max(std::abs(end.x), std::abs(end.y)) + 1);
        EXPECT_EQ(picture.At(20, 20), Red);
        EXPECT_EQ(picture.At(20 + end.x, 20 + end.y), Red);
    }
}

TEST(AliasedSurfaceTest, TheRingQuarterLiesInTheWedgeBetweenTheEllipses)
{
    Picture picture(40, 40);
    AliasedSurface surface(picture.Image());
    surface.BeginEntry(0, 0, RedRef);
    // A quarter turn pointing down from the centre (20, 20).
    const PixelPoint wedge[4] = {{20, 20}, {60, 60}, {-20, 60}, {20, 20}};
    surface.RingQuarter({0, 0, 40, 40}, {8, 8, 32, 32}, wedge);

    EXPECT_EQ(picture.At(20, 35), Red);
    EXPECT_EQ(picture.At(28, 33), Red);
    EXPECT_EQ(picture.At(20, 25), White);  // inside the inner ellipse
    EXPECT_EQ(picture.At(20, 5), White);   // on the ring, outside the wedge
    EXPECT_EQ(picture.At(36, 24), White);
}

TEST(AliasedSurfaceTest, AClippedFrameChangesOnlyItsAreas)
{
    Picture picture(20, 20);
    AliasedSurface surface(picture.Image());
    surface.ClipTo({{2, 2, 6, 6}, {4, 4, 10, 8}, {18, 18, 25, 25}});
    surface.Clear(20, 20);
    surface.BeginEntry(NavyRef, NavyRef, 0);
    const PixelPoint square[5] = {{0, 0}, {19, 0}, {19, 19}, {0, 19}, {0, 0}};
    surface.Polygon(square, 5);

    // 16 and 24 pixels overlapping by 4, and the 2 x 2 of the third inside the picture.
    EXPECT_EQ(picture.Count(Navy), 16 + 24 - 4 + 4);
    EXPECT_EQ(picture.At(5, 5), Navy);  // where the two areas overlap
    EXPECT_EQ(picture.At(9, 7), Navy);
    EXPECT_EQ(picture.At(19, 19), Navy);
    EXPECT_EQ(picture.Count(White), 400 - 40);
}

}  // namespace
