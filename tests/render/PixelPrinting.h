#pragma once

#include "render/DrawSurface.h"

#include <ostream>

// Comparison and printing of pixels and boxes, so test failures show coordinates.
inline bool operator==(const PixelPoint& a, const PixelPoint& b)
{
    return a.x == b.x && a.y == b.y;
}
inline bool operator==(const PixelRect& a, const PixelRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& os, const PixelPoint& p)
{
    return os << '(' << p.x << ", " << p.y << ')';
}
inline std::ostream& operator<<(std::ostream& os, const PixelRect& r)
{
    return os << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}
