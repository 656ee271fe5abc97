#include "render/gdi/AreaRegion.h"

GdiObject<HRGN> AreaRegion(const std::vector<PixelRect>& areas)
{
    GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    // Merged areas may still overlap: each is added by a union, never listed as raw rectangles.
    for (const PixelRect& a : areas) {
        const GdiObject<HRGN> area(CreateRectRgn(a.left, a.top, a.right, a.bottom));
        CombineRgn(region.Get(), region.Get(), area.Get(), RGN_OR);
    }
    return region;
}
