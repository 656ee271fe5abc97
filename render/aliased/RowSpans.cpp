#include "render/aliased/RowSpans.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

EllipseRows::EllipseRows(const PixelRect& box)
    : m_radiusX((box.right - box.left) / 2.0),
      m_radiusY((box.bottom - box.top) / 2.0),
      m_middleY((box.top + box.bottom) / 2.0),
      m_centreX((box.left + box.right) / 2.0 - 0.5)
{}

LineRows::LineRows(PixelPoint from, PixelPoint to)
{
    if (from.y > to.y) std::swap(from, to);
    m_top = from;
    m_dx = to.x - from.x;
    m_dy = to.y - from.y;
    m_left = std::min(from.x, to.x);
    m_right = std::max(from.x, to.x) + 1;
    m_steep = std::abs(m_dx) <= m_dy;
}

void PolygonCrossings(const PixelPoint* points, int count, int y, std::vector<double>& x)
{
    x.clear();
    for (int i = 0; i + 1 < count; ++i) {
        const PixelPoint& a = points[i];
        const PixelPoint& b = points[i + 1];
        // Half-open in y, so that a row through a vertex counts one of its two edges.
        if ((a.y <= y) == (b.y <= y)) continue;
        x.push_back(a.x + static_cast<double>(y - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    // Shapes here are convex, crossing a row twice: one comparison orders them.
    if (x.size() == 2) {
        if (x[1] < x[0]) std::swap(x[0], x[1]);
        return;
    }
    std::sort(x.begin(), x.end());
}
