#include "render/CulledSurface.h"

namespace {

bool Overlap(const PixelRect& a, const PixelRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

bool CulledSurface::Touches(const PixelRect& box) const
{
    for (const PixelRect& area : m_areas)
        if (Overlap(box, area)) return true;
    return false;
}

void CulledSurface::Clear(int width, int height)
{
    m_next = 0;
    m_inner.Clear(width, height);
}

void CulledSurface::BeginEntry(ColorRef line, ColorRef fill, ColorRef mark)
{
    // An entry the footprints do not know (they came from another frame) is always drawn.
    m_passing = m_next >= m_footprints.size() || Touches(m_footprints[m_next].box);
    ++m_next;
    if (m_passing) m_inner.BeginEntry(line, fill, mark);
}

void CulledSurface::EndEntry()
{
    if (m_passing) m_inner.EndEntry();
    m_passing = false;
}

void CulledSurface::Polyline(const PixelPoint* points, int count)
{
    if (m_passing) m_inner.Polyline(points, count);
}

void CulledSurface::Ellipse(const PixelRect& box)
{
    if (m_passing) m_inner.Ellipse(box);
}

void CulledSurface::Polygon(const PixelPoint* points, int count)
{
    if (m_passing) m_inner.Polygon(points, count);
}

void CulledSurface::RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge)
{
    if (m_passing) m_inner.RingQuarter(outer, inner, wedge);
}

void CulledSurface::Present(int width, int height)
{
    m_inner.Present(width, height);
}
