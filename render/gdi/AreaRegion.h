#pragma once

#include "render/DrawSurface.h"
#include "render/gdi/GdiHandles.h"

#include <vector>

// The union of the areas as one GDI region: what a window is copied through and a back buffer is
// clipped to when only those areas of the picture changed.
GdiObject<HRGN> AreaRegion(const std::vector<PixelRect>& areas);

// Limits every drawing on a device context to a region for the guard's lifetime, then lifts
// the limit again (a memory context has no clip of its own).
class ClippedTo {
public:
    ClippedTo(HDC dc, HRGN region) : m_dc(dc) { ExtSelectClipRgn(dc, region, RGN_COPY); }
    ~ClippedTo() { SelectClipRgn(m_dc, nullptr); }
    ClippedTo(const ClippedTo&) = delete;
    ClippedTo& operator=(const ClippedTo&) = delete;

private:
    HDC m_dc;
};
