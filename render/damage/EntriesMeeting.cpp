#include "render/damage/EntriesMeeting.h"

#include <algorithm>

namespace {

bool Meet(const PixelRect& a, const PixelRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

void EntriesMeeting::BeginEntry(ColorRef line, ColorRef fill, ColorRef mark)
{
    // An entry beyond the footprints (not the frame they describe) is passed on: when in doubt, draw.
    m_passing = m_next >= m_footprints.size() ||
                std::any_of(m_areas.begin(), m_areas.end(),
                            [&](const PixelRect& area) { return Meet(area, m_footprints[m_next].box); });
    ++m_next;
    if (m_passing) m_surface.BeginEntry(line, fill, mark);
}

void EntriesMeeting::EndEntry()
{
    if (m_passing) m_surface.EndEntry();
    m_passing = false;
}

void EntriesMeeting::Polyline(const PixelPoint* points, int count)
{
    if (m_passing) m_surface.Polyline(points, count);
}

void EntriesMeeting::Ellipse(const PixelRect& box)
{
    if (m_passing) m_surface.Ellipse(box);
}

void EntriesMeeting::Polygon(const PixelPoint* points, int count)
{
    if (m_passing) m_surface.Polygon(points, count);
}

void EntriesMeeting::RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge)
{
    if (m_passing) m_surface.RingQuarter(outer, inner, wedge);
}
