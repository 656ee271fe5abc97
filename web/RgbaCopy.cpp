#include "web/RgbaCopy.h"

#include <cstring>

void CopyAreaAsRgba(const PixelImage& picture, const PixelRect& area, std::vector<std::uint8_t>& rgba)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    rgba.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    std::uint8_t* out = rgba.data();
    for (int y = area.top; y < area.bottom; ++y) {
        const unsigned char* row = picture.data + static_cast<std::ptrdiff_t>(y) * picture.stride;
        for (int x = area.left; x < area.right; ++x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof pixel);
            *out++ = static_cast<std::uint8_t>(pixel >> 16);
            *out++ = static_cast<std::uint8_t>(pixel >> 8);
            *out++ = static_cast<std::uint8_t>(pixel);
            *out++ = 0xFF;
        }
    }
}
