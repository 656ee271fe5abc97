#include "render/gdi/AreaClip.h"

#include <algorithm>

namespace {

bool Holds(const PixelRect& area, const PixelRect& box)
{
    return area.left <= box.left && area.top <= box.top && box.right <= area.right && box.bottom <= area.bottom;
}

}  // namespace

AreaClip::AreaClip(HDC dc, HRGN region, const std::vector<PixelRect>& areas)
    : m_dc(dc),
      m_region(region),
      m_areas(areas)
{
    ExtSelectClipRgn(dc, region, RGN_COPY);
}

void AreaClip::Before(const PixelRect& box)
{
    const bool inside = std::any_of(m_areas.begin(), m_areas.end(), [&](const PixelRect& a) { return Holds(a, box); });
    if (inside == !m_clipped) return;
    m_clipped = !inside;
    if (m_clipped)
        ExtSelectClipRgn(m_dc, m_region, RGN_COPY);
    else
        SelectClipRgn(m_dc, nullptr);
}
