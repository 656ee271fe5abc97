#include "web/RgbaCopy.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A 3 x 2 picture with rows padded to 16 bytes, each pixel a different colour.
struct SmallPicture {
    SmallPicture()
    {
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) words[y * 4 + x] = Pixel(x, y);
            words[y * 4 + 3] = 0xDEADBEEF;  // the padding is never read
        }
    }
    static std::uint32_t Pixel(int x, int y)
    {
        return 0x00102030u + static_cast<std::uint32_t>(x * 0x010000 + y * 0x01);
    }
    PixelImage Image() { return {reinterpret_cast<unsigned char*>(words), 3, 2, 16}; }

    std::uint32_t words[8] = {};
};

TEST(RgbaCopy, AnAreaComesOutAsOpaqueRgbaRowsPackedTight)
{
    SmallPicture picture;
    const PixelRect areas[] = {{0, 0, 3, 2}, {1, 0, 3, 1}, {2, 1, 3, 2}, {0, 1, 2, 2}, {2, 1, 2, 2}};
    for (const PixelRect& area : areas) {
        std::vector<std::uint8_t> rgba(99, 7);  // what was there before does not matter
        CopyAreaAsRgba(picture.Image(), area, rgba);
        ASSERT_EQ(rgba.size(), static_cast<std::size_t>((area.right - area.left) * (area.bottom - area.top) * 4));
        std::size_t i = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x, i += 4) {
                const std::uint32_t p = SmallPicture::Pixel(x, y);
                EXPECT_EQ(rgba[i], (p >> 16) & 0xFF) << x << ',' << y;
                EXPECT_EQ(rgba[i + 1], (p >> 8) & 0xFF) << x << ',' << y;
                EXPECT_EQ(rgba[i + 2], p & 0xFF) << x << ',' << y;
                EXPECT_EQ(rgba[i + 3], 0xFF) << x << ',' << y;
            }
        }
    }
}

}  // namespace
