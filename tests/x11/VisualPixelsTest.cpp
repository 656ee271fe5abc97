// GoogleTest before Xlib, whose macros (None, Bool) would rename its templates.
#include <gtest/gtest.h>

#include "x11/VisualPixels.h"

#include <X11/Xutil.h>

#include <cstdint>
#include <vector>

namespace {

// An image record over `data` as Xlib makes them for a visual of these masks, in this machine's
// byte order (the tests run on little-endian machines).
XImage ImageOf(void* data, int width, int depth, int bitsPerPixel, unsigned long red, unsigned long green,
               unsigned long blue)
{
    XImage image{};
    image.width = width;
    image.height = 1;
    image.format = ZPixmap;
    image.data = static_cast<char*>(data);
    image.byte_order = LSBFirst;
    image.bitmap_unit = bitsPerPixel;
    image.bitmap_bit_order = LSBFirst;
    image.bitmap_pad = bitsPerPixel;
    image.depth = depth;
    image.bits_per_pixel = bitsPerPixel;
    image.bytes_per_line = width * bitsPerPixel / 8;
    image.red_mask = red;
    image.green_mask = green;
    image.blue_mask = blue;
    XInitImage(&image);
    return image;
}

TEST(VisualPixelsTest, OnlyA24BitTrueColorVisualOf32BitPixelsInThisMachinesOrderTakesThePictureAsItIs)
{
    std::uint32_t word = 0;
    Visual trueColor{};
    trueColor.c_class = TrueColor;
    Visual directColor{};
    directColor.c_class = DirectColor;
    const XImage rgb = ImageOf(&word, 1, 24, 32, 0xFF0000, 0xFF00, 0xFF);
    EXPECT_TRUE(HoldsPictureFormat(rgb, trueColor));
    EXPECT_FALSE(HoldsPictureFormat(rgb, directColor));  // its pixels index colour maps
    EXPECT_FALSE(HoldsPictureFormat(ImageOf(&word, 1, 32, 32, 0xFF0000, 0xFF00, 0xFF), trueColor));  // alpha
    EXPECT_FALSE(HoldsPictureFormat(ImageOf(&word, 1, 24, 32, 0xFF, 0xFF00, 0xFF0000), trueColor));  // BGR
    EXPECT_FALSE(HoldsPictureFormat(ImageOf(&word, 1, 16, 16, 0xF800, 0x7E0, 0x1F), trueColor));
    XImage swapped = ImageOf(&word, 1, 24, 32, 0xFF0000, 0xFF00, 0xFF);
    swapped.byte_order = MSBFirst;
    EXPECT_FALSE(HoldsPictureFormat(swapped, trueColor));
}

TEST(VisualPixelsTest, A16BitVisualGetsEachChannelScaledToItsMaskOnlyWithinTheArea)
{
    Visual visual{};
    visual.c_class = TrueColor;
    visual.red_mask = 0xF800;
    visual.green_mask = 0x7E0;
    visual.blue_mask = 0x1F;
    VisualPixels pixels(nullptr, &visual, None);

    std::vector<std::uint32_t> picture{0xFFFFFF, 0x000080, 0xFFFFFF, 0x808080, 0x000000};
    std::vector<std::uint16_t> converted(picture.size(), 0x1234);
    XImage image = ImageOf(converted.data(), 5, 16, 16, 0xF800, 0x7E0, 0x1F);
    pixels.Convert({reinterpret_cast<unsigned char*>(picture.data()), 5, 1, 20}, image, {1, 0, 5, 1});
    EXPECT_EQ(converted, (std::vector<std::uint16_t>{0x1234, 0x0010, 0xFFFF, 0x8410, 0x0000}));
}

}  // namespace
