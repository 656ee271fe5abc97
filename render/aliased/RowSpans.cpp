#include "render/aliased/RowSpans.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

int Ceil(double x)
{
    return static_cast<int>(std::ceil(x));
}

}  // namespace

Span EllipseRow(const PixelRect& box, int y)
{
    const double rx = (box.right - box.left) / 2.0;
    const double ry = (box.bottom - box.top) / 2.0;
    if (rx <= 0.0 || ry <= 0.0) return {0, 0};
    const double dy = (y + 0.5 - (box.top + box.bottom) / 2.0) / ry;
    const double inside = 1.0 - dy * dy;
    if (inside < 0.0) return {0, 0};
    // Pixel x is in when its centre x + 0.5 is within `half` of the ellipse's centre.
    const double half = rx * std::sqrt(inside);
    const double centre = (box.left + box.right) / 2.0 - 0.5;
    return {Ceil(centre - half), static_cast<int>(std::floor(centre + half)) + 1};
}

Span LineRow(PixelPoint from, PixelPoint to, int y)
{
    if (from.y > to.y) std::swap(from, to);
    if (y < from.y || y > to.y) return {0, 0};
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const int left = std::min(from.x, to.x);
    const int right = std::max(from.x, to.x) + 1;
    if (dy == 0) return {left, right};
    if (std::abs(dx) <= dy) {
        // Steep: one pixel a row, the nearest to the line.
        const int x = from.x + static_cast<int>(std::lround(static_cast<double>(y - from.y) * dx / dy));
        return {x, x + 1};
    }
    // Shallow: the pixels whose nearest row on the line is y, within the two ends.
    const double upper = from.x + (y - 0.5 - from.y) * dx / dy;
    const double lower = from.x + (y + 0.5 - from.y) * dx / dy;
    return {std::max(left, Ceil(std::min(upper, lower))), std::min(right, Ceil(std::max(upper, lower)))};
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
    std::sort(x.begin(), x.end());
}
