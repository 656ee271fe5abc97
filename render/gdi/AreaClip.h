#pragma once

#include "render/DrawSurface.h"
#include "render/gdi/GdiHandles.h"

#include <vector>

// Clips a back buffer's drawing to the changed areas, except for a shape that lies wholly inside
// one of them: that one is drawn with no clip, the same pixels at less cost. Wine's GDI looks the
// clip region up for every pixel step of an outline, and most shapes redrawn are the moved ones,
// each inside its own area. The clip is lifted again at the end.
class AreaClip {
public:
    AreaClip(HDC dc, HRGN region, const std::vector<PixelRect>& areas);
    ~AreaClip() { SelectClipRgn(m_dc, nullptr); }
    AreaClip(const AreaClip&) = delete;
    AreaClip& operator=(const AreaClip&) = delete;

    // Before drawing a shape whose pixels all lie within `box`.
    void Before(const PixelRect& box);

private:
    HDC m_dc;
    HRGN m_region;
    const std::vector<PixelRect>& m_areas;
    bool m_clipped = true;
};
