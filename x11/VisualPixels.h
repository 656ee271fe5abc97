#pragma once

#include "render/DrawSurface.h"
#include "render/aliased/PixelImage.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

// True when an image of this visual holds pixels as the picture does, 0x00RRGGBB in 32 bits in
// this machine's byte order (a 24-bit TrueColor visual on a local server): the picture can be
// drawn straight into it.
bool HoldsPictureFormat(const XImage& image, const Visual& visual);

// Turns the picture's colours into the pixel values of another visual: by its colour masks on
// TrueColor (16-bit visuals, for one); on visuals with a colour map (8-bit PseudoColor, grey
// scales, and DirectColor, whose pixels index a map per channel that need not be a ramp), by
// colours allocated in the window's map, each asked for once; when the map is full (another
// client may have taken every free cell), the nearest colour among its cells, whoever holds
// them (on DirectColor channel by channel).
class VisualPixels {
public:
    VisualPixels(Display* display, Visual* visual, Colormap colormap);

    // Writes this area of the picture into the same place of the image, converted.
    void Convert(const PixelImage& picture, XImage& image, const PixelRect& area);

private:
    unsigned long PixelOf(std::uint32_t rgb);
    unsigned long Allocated(std::uint32_t rgb);
    unsigned long NearestInMap(std::uint32_t rgb);

    Display* m_display;
    Visual* m_visual;
    Colormap m_colormap;
    bool m_masked;
    std::unordered_map<std::uint32_t, unsigned long> m_allocated;
};
