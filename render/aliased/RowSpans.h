#pragma once

#include "render/DrawSurface.h"

#include <cmath>
#include <cstdint>
#include <vector>

// A run of pixels in one row, from `left` up to but not including `right`; empty unless
// left < right.
struct Span {
    int left;
    int right;
};

// The smallest whole number at or above x, and the largest at or below it, for x within int's
// range: exact, and a few instructions where std::ceil and std::floor take a score without
// SSE4.1.
inline int CeilToInt(double x)
{
    const int t = static_cast<int>(x);  // toward zero
    return t + (x > t);
}

inline int FloorToInt(double x)
{
    const int t = static_cast<int>(x);
    return t - (x < t);
}

// The rows of each shape, one at a time, for drawing without antialiasing: a pixel is inside
// a shape when its centre is. A shape asks for each of its rows in turn, so what depends on the
// shape alone is worked out once, and a row's own work is inline.

// The rows of the ellipse inscribed in the box's pixel edges.
class EllipseRows {
public:
    explicit EllipseRows(const PixelRect& box);

    // The pixels of row y inside the ellipse.
    Span At(int y) const
    {
        if (m_radiusX <= 0.0 || m_radiusY <= 0.0) return {0, 0};
        const double dy = (y + 0.5 - m_middleY) / m_radiusY;
        const double inside = 1.0 - dy * dy;
        if (inside < 0.0) return {0, 0};
        // Pixel x is in when its centre x + 0.5 is within `half` of the ellipse's centre.
        const double half = m_radiusX * std::sqrt(inside);
        return {CeilToInt(m_centreX - half), FloorToInt(m_centreX + half) + 1};
    }

private:
    double m_radiusX;
    double m_radiusY;
    double m_middleY;  // the middle row's centre line
    double m_centreX;  // less half a pixel: the column whose centre is the ellipse's
};

// The rows of the one-pixel line between two pixels, both ends included.
class LineRows {
public:
    LineRows(PixelPoint from, PixelPoint to);

    // The pixels of row y on the line.
    Span At(int y) const
    {
        if (y < m_top.y || y > m_top.y + m_dy) return {0, 0};
        if (m_dy == 0) return {m_left, m_right};
        if (m_steep) {
            // One pixel a row, the nearest to the line, a tie away from zero (as lround would
            // take the quotient), worked out in integers.
            const std::int64_t along = static_cast<std::int64_t>(y - m_top.y) * m_dx;
            const std::int64_t rounded = along >= 0 ? (2 * along + m_dy) / (2 * m_dy) : -((m_dy - 2 * along) / (2 * m_dy));
            const int x = m_top.x + static_cast<int>(rounded);
            return {x, x + 1};
        }
        // Shallow: the pixels whose nearest row on the line is y, within the two ends.
        const double upper = m_top.x + (y - 0.5 - m_top.y) * m_dx / m_dy;
        const double lower = m_top.x + (y + 0.5 - m_top.y) * m_dx / m_dy;
        const int first = CeilToInt(upper < lower ? upper : lower);
        const int end = CeilToInt(upper < lower ? lower : upper);
        return {first > m_left ? first : m_left, end < m_right ? end : m_right};
    }

private:
    PixelPoint m_top;  // the end with the smaller y
    int m_dx;          // from m_top to the other end
    int m_dy;
    int m_left;
    int m_right;
    bool m_steep;
};

// Where row y crosses the polygon through the pixels, in increasing order: the pixels from
// ceil(x[0]) up to ceil(x[1]) are inside (even-odd), then those from ceil(x[2]) up to
// ceil(x[3]), and so on. `x` is cleared first.
void PolygonCrossings(const PixelPoint* points, int count, int y, std::vector<double>& x);
