#include "x11/CopyAreas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

constexpr std::uint32_t White = 0xFFFFFFu;
constexpr std::uint32_t Navy = 0x000080u;

CairoSurfacePtr Image(int width, int height, double red, double green, double blue)
{
    CairoSurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    const CairoContextPtr cr(cairo_create(image.get()));
    cairo_set_source_rgb(cr.get(), red, green, blue);
    cairo_paint(cr.get());
    return image;
}

std::uint32_t PixelAt(cairo_surface_t* image, int x, int y)
{
    cairo_surface_flush(image);
    const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
}

TEST(CopyAreasTest, OnlyTheAreasWithinThePictureReachTheWindow)
{
    const CairoSurfacePtr picture = Image(20, 20, 0.0, 0.0, 128 / 255.0);
    const CairoSurfacePtr window = Image(30, 30, 1.0, 1.0, 1.0);
    CopyAreas(picture.get(), window.get(), {{2, 2, 6, 6}, {4, 4, 10, 8}, {15, 15, 25, 25}});

    for (auto [x, y] : {std::pair{2, 2}, {5, 5}, {9, 7}, {19, 19}}) EXPECT_EQ(PixelAt(window.get(), x, y), Navy);
    for (auto [x, y] : {std::pair{1, 2}, {10, 7}, {9, 8}, {12, 12}, {20, 19}, {24, 24}})
        EXPECT_EQ(PixelAt(window.get(), x, y), White);
}

}  // namespace
