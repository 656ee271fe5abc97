#include "render/cairo/CairoSurface.h"
#include "render/cairo/CairoHandles.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Pixels as the image stores them (0xRRGGBB); the surface is given colours as ColorRef.
constexpr std::uint32_t Navy = 0x000080u;
constexpr ColorRef NavyRef = Rgb(0, 0, 128);

CairoSurfacePtr Image(int width, int height)
{
    return CairoSurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
}

std::uint32_t PixelAt(cairo_surface_t* image, int x, int y)
{
    cairo_surface_flush(image);
    const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
}

// A navy square with a navy outline over the whole picture.
void DrawNavySquare(CairoSurface& surface, int size)
{
    surface.Clear(size, size);
    surface.BeginEntry(NavyRef, NavyRef, 0);
    const PixelPoint square[5] = {{0, 0}, {size - 1, 0}, {size - 1, size - 1}, {0, size - 1}, {0, 0}};
    surface.Polygon(square, 5);
    surface.EndEntry();
}

TEST(CairoSurfaceTest, ThePictureIsDrawnOnTheImage)
{
    const CairoSurfacePtr image = Image(20, 20);
    CairoSurface surface(image.get());
    DrawNavySquare(surface, 20);
    surface.Present(20, 20);

    EXPECT_TRUE(surface.Ok());
    EXPECT_EQ(PixelAt(image.get(), 10, 10), Navy);
}

TEST(CairoSurfaceTest, AnImageThatCouldNotBeMadeIsReported)
{
    const CairoSurfacePtr broken = Image(-1, 20);
    CairoSurface surface(broken.get());
    DrawNavySquare(surface, 20);
    EXPECT_FALSE(surface.Ok());
}

}  // namespace
