#include "x11/VisualPixels.h"

#include <X11/Xutil.h>
#include <cstddef>
#include <cstring>
#include <limits>

namespace {

int ThisMachinesByteOrder()
{
    const std::uint16_t one = 1;
    unsigned char first = 0;
    std::memcpy(&first, &one, 1);
    return first == 1 ? LSBFirst : MSBFirst;
}

// A channel of 0 to 255 scaled to the width of the mask's bits and moved to their place.
unsigned long Channel(unsigned value, unsigned long mask)
{
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    const unsigned long largest = mask >> shift;
    return ((value * largest + 127) / 255) << shift;
}

unsigned DistanceSquared(std::uint32_t a, std::uint32_t b)
{
    unsigned sum = 0;
    for (int shift : {0, 8, 16}) {
        const int d = static_cast<int>((a >> shift) & 0xFFu) - static_cast<int>((b >> shift) & 0xFFu);
        sum += static_cast<unsigned>(d * d);
    }
    return sum;
}

}  // namespace

bool HoldsPictureFormat(const XImage& image, const Visual& visual)
{
    return visual.c_class == TrueColor && image.depth == 24 && image.bits_per_pixel == 32 && image.red_mask == 0xFF0000
           && image.green_mask == 0xFF00 && image.blue_mask == 0xFF && image.byte_order == ThisMachinesByteOrder();
}

VisualPixels::VisualPixels(Display* display, Visual* visual, Colormap colormap)
    : m_display(display),
      m_visual(visual),
      m_colormap(colormap),
      m_masked(visual->c_class == TrueColor)
{}

void VisualPixels::Convert(const PixelImage& picture, XImage& image, const PixelRect& area)
{
    // Runs of one colour are the rule: look each colour up once per run.
    std::uint32_t lastColour = std::numeric_limits<std::uint32_t>::max();
    unsigned long lastPixel = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(picture.data + static_cast<std::ptrdiff_t>(y) * picture.stride);
        for (int x = area.left; x < area.right; ++x) {
            const std::uint32_t colour = row[x] & 0xFFFFFFu;
            if (colour != lastColour) {
                lastColour = colour;
                lastPixel = PixelOf(colour);
            }
            XPutPixel(&image, x, y, lastPixel);
        }
    }
}

unsigned long VisualPixels::PixelOf(std::uint32_t rgb)
{
    if (!m_masked) return Allocated(rgb);
    return Channel((rgb >> 16) & 0xFFu, m_visual->red_mask) | Channel((rgb >> 8) & 0xFFu, m_visual->green_mask)
           | Channel(rgb & 0xFFu, m_visual->blue_mask);
}

unsigned long VisualPixels::Allocated(std::uint32_t rgb)
{
    const auto known = m_allocated.find(rgb);
    if (known != m_allocated.end()) return known->second;
    XColor colour{};
    colour.red = static_cast<unsigned short>(((rgb >> 16) & 0xFFu) * 257);
    colour.green = static_cast<unsigned short>(((rgb >> 8) & 0xFFu) * 257);
    colour.blue = static_cast<unsigned short>((rgb & 0xFFu) * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    unsigned long pixel = 0;
    if (XAllocColor(m_display, m_colormap, &colour) != 0) {
        pixel = colour.pixel;
        m_held.emplace_back(rgb, pixel);
    } else {
        unsigned best = std::numeric_limits<unsigned>::max();
        for (const auto& [held, heldPixel] : m_held) {
            if (DistanceSquared(held, rgb) < best) {
                best = DistanceSquared(held, rgb);
                pixel = heldPixel;
            }
        }
    }
    m_allocated.emplace(rgb, pixel);
    return pixel;
}
