#include "render/cairo/CairoSurface.h"
#include "render/cairo/CairoHandles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

// Pixels as the image stores them (0xRRGGBB); the surface is given colours as ColorRef.
constexpr std::uint32_t White = 0xFFFFFFu;
constexpr std::uint32_t Navy = 0x000080u;
constexpr ColorRef NavyRef = Rgb(0, 0, 128);

CairoSurfacePtr Image(int width, int height)
{
    return CairoSurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
}

void PaintWhite(cairo_surface_t* surface)
{
    const CairoContextPtr cr(cairo_create(surface));
    cairo_set_source_rgb(cr.get(), 1.0, 1.0, 1.0);
    cairo_paint(cr.get());
}

std::uint32_t PixelAt(cairo_surface_t* image, int x, int y)
{
    cairo_surface_flush(image);
    const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
}

// A navy square with a navy outline over the whole back picture.
void DrawNavySquare(CairoSurface& surface, int size)
{
    surface.Clear(size, size);
    surface.BeginEntry(NavyRef, NavyRef, 0);
    const PixelPoint square[5] = {{0, 0}, {size - 1, 0}, {size - 1, size - 1}, {0, size - 1}, {0, 0}};
    surface.Polygon(square, 5);
    surface.EndEntry();
}

TEST(CairoSurfaceTest, PresentCopiesExactlyTheWidthAndHeightOntoTheTarget)
{
    const CairoSurfacePtr back = Image(20, 20);
    const CairoSurfacePtr target = Image(30, 30);
    PaintWhite(target.get());
    CairoSurface surface(back.get(), target.get());
    DrawNavySquare(surface, 20);
    surface.Present(16, 12);

    EXPECT_TRUE(surface.Ok());
    EXPECT_EQ(PixelAt(target.get(), 15, 11), Navy);
    EXPECT_EQ(PixelAt(target.get(), 16, 11), White);
    EXPECT_EQ(PixelAt(target.get(), 15, 12), White);
}

TEST(CairoSurfaceTest, WithoutATargetThePictureStaysOnTheBackSurface)
{
    const CairoSurfacePtr back = Image(20, 20);
    CairoSurface surface(back.get());
    DrawNavySquare(surface, 20);
    surface.Present(20, 20);

    EXPECT_TRUE(surface.Ok());
    EXPECT_EQ(PixelAt(back.get(), 10, 10), Navy);
}

TEST(CairoSurfaceTest, ABackSurfaceThatCouldNotBeMadeIsReported)
{
    const CairoSurfacePtr broken = Image(-1, 20);
    CairoSurface surface(broken.get());
    DrawNavySquare(surface, 20);
    EXPECT_FALSE(surface.Ok());
}

TEST(CairoSurfaceTest, AClippedFrameChangesOnlyItsAreasOnBothSurfaces)
{
    const CairoSurfacePtr back = Image(20, 20);
    const CairoSurfacePtr target = Image(20, 20);  // black: what the back held before
    PaintWhite(back.get());
    CairoSurface surface(back.get(), target.get());
    surface.ClipTo({{2, 2, 6, 6}, {4, 4, 10, 8}});
    DrawNavySquare(surface, 20);
    surface.Present(20, 20);

    for (cairo_surface_t* image : {back.get(), target.get()}) {
        EXPECT_EQ(PixelAt(image, 2, 2), Navy);
        EXPECT_EQ(PixelAt(image, 5, 5), Navy);  // where the two areas overlap
        EXPECT_EQ(PixelAt(image, 9, 7), Navy);
    }
    const std::uint32_t Black = 0;
    for (auto [x, y] : {std::pair{1, 2}, {10, 7}, {9, 8}, {15, 15}}) {
        EXPECT_EQ(PixelAt(back.get(), x, y), White);
        EXPECT_EQ(PixelAt(target.get(), x, y), Black);
    }
}

}  // namespace
