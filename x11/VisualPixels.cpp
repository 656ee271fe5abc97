#include "x11/VisualPixels.h"

#include <X11/Xutil.h>
#include <algorithm>
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

// The position of a mask's lowest bit, and how many values its bits hold.
int ShiftOf(unsigned long mask)
{
    int shift = 0;
    while (mask != 0 && ((mask >> shift) & 1u) == 0) ++shift;
    return shift;
}

unsigned long ValuesOf(unsigned long mask)
{
    return (mask >> ShiftOf(mask)) + 1;
}

// A channel of 0 to 255 scaled to the width of the mask's bits and moved to their place.
unsigned long Channel(unsigned value, unsigned long mask)
{
    const int shift = ShiftOf(mask);
    return ((value * (ValuesOf(mask) - 1) + 127) / 255) << shift;
}

// The colour's channels as the server holds them, 0 to 65535.
XColor ColourOf(std::uint32_t rgb)
{
    XColor colour{};
    colour.red = static_cast<unsigned short>(((rgb >> 16) & 0xFFu) * 257);
    colour.green = static_cast<unsigned short>(((rgb >> 8) & 0xFFu) * 257);
    colour.blue = static_cast<unsigned short>((rgb & 0xFFu) * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    return colour;
}

long long Squared(int a, int b)
{
    return static_cast<long long>(a - b) * (a - b);
}

// Of the cells, the index whose channel (`XColor::red`, ...) lies nearest `wanted`, among the
// first `count`.
int NearestCell(const std::vector<XColor>& cells, std::size_t count, unsigned short XColor::*channel, int wanted)
{
    int best = 0;
    for (std::size_t i = 1; i < count; ++i)
        if (Squared(cells[i].*channel, wanted) < Squared(cells[static_cast<std::size_t>(best)].*channel, wanted))
            best = static_cast<int>(i);
    return best;
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
    XColor colour = ColourOf(rgb);
    const unsigned long pixel =
        XAllocColor(m_display, m_colormap, &colour) != 0 ? colour.pixel : NearestInMap(rgb);
    m_allocated.emplace(rgb, pixel);
    return pixel;
}

unsigned long VisualPixels::NearestInMap(std::uint32_t rgb)
{
    // On DirectColor a pixel's red, green and blue bits index a map each: cell i of all three
    // is the pixel of index i in every channel that has one.
    const bool direct = m_visual->c_class == DirectColor;
    const unsigned long masks[3] = {m_visual->red_mask, m_visual->green_mask, m_visual->blue_mask};
    std::vector<XColor> cells(static_cast<std::size_t>(std::max(m_visual->map_entries, 1)));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i].pixel = i;
        if (!direct) continue;
        cells[i].pixel = 0;
        for (unsigned long mask : masks)
            cells[i].pixel |= std::min<unsigned long>(i, ValuesOf(mask) - 1) << ShiftOf(mask);
    }
    XQueryColors(m_display, m_colormap, cells.data(), static_cast<int>(cells.size()));

    const XColor wanted = ColourOf(rgb);
    unsigned long pixel = 0;
    XColor nearest{};
    if (direct) {
        unsigned short XColor::*const channels[3] = {&XColor::red, &XColor::green, &XColor::blue};
        for (int c = 0; c < 3; ++c) {
            const std::size_t count = std::min<std::size_t>(cells.size(), ValuesOf(masks[c]));
            const int i = NearestCell(cells, count, channels[c], wanted.*channels[c]);
            pixel |= static_cast<unsigned long>(i) << ShiftOf(masks[c]);
            nearest.*channels[c] = cells[static_cast<std::size_t>(i)].*channels[c];
        }
    } else {
        long long best = std::numeric_limits<long long>::max();
        for (const XColor& cell : cells) {
            const long long d = Squared(cell.red, wanted.red) + Squared(cell.green, wanted.green)
                                + Squared(cell.blue, wanted.blue);
            if (d < best) {
                best = d;
                pixel = cell.pixel;
                nearest = cell;
            }
        }
    }
    // A shared cell of that very colour holds it for as long as the program needs it; a cell
    // another client may change is the best there is.
    nearest.flags = DoRed | DoGreen | DoBlue;
    return XAllocColor(m_display, m_colormap, &nearest) != 0 ? nearest.pixel : pixel;
}
