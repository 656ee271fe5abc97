#include "render/damage/FootprintSurface.h"

#include <algorithm>

namespace {

// FNV-1a, 64 bits: cheap, and a chance collision costs at most one stale frame of one entry.
constexpr std::uint64_t HashStart = 14695981039346656037ull;
constexpr std::uint64_t HashPrime = 1099511628211ull;

// How far beyond the pixels a shape names (its points, an ellipse's box corners) its drawing
// can reach. AliasedSurface has no pen width and no antialiasing, and GDI's pen of width 1 stays
// inside an ellipse's box and on a line's points: every pixel either sets lies within them, so a
// larger box would only redraw more than changed.
constexpr int Reach = 0;

// Tags that keep, say, a polyline apart from a polygon through the same points.
enum Tag : int {
    PolylineTag = 1,
    EllipseTag,
    PolygonTag,
    RingTag,
};

}  // namespace

void FootprintSurface::Mix(int value)
{
    m_entry.signature = (m_entry.signature ^ static_cast<std::uint32_t>(value)) * HashPrime;
}

void FootprintSurface::Cover(const PixelRect& box)
{
    const PixelRect reach{box.left - Reach, box.top - Reach, box.right + Reach, box.bottom + Reach};
    if (m_empty) {
        m_entry.box = reach;
        m_empty = false;
        return;
    }
    PixelRect& b = m_entry.box;
    b = {std::min(b.left, reach.left), std::min(b.top, reach.top), std::max(b.right, reach.right),
         std::max(b.bottom, reach.bottom)};
}

void FootprintSurface::Cover(const PixelPoint* points, int count)
{
    for (int i = 0; i < count; ++i) {
        Mix(points[i].x);
        Mix(points[i].y);
        Cover(PixelRect{points[i].x, points[i].y, points[i].x + 1, points[i].y + 1});
    }
}

void FootprintSurface::BeginEntry(ColorRef line, ColorRef fill, ColorRef mark)
{
    m_entry = {HashStart, {}};
    m_empty = true;
    Mix(static_cast<int>(line));
    Mix(static_cast<int>(fill));
    Mix(static_cast<int>(mark));
}

void FootprintSurface::EndEntry()
{
    m_footprints.push_back(m_entry);
}

void FootprintSurface::Polyline(const PixelPoint* points, int count)
{
    Mix(PolylineTag);
    Cover(points, count);
}

void FootprintSurface::Ellipse(const PixelRect& box)
{
    Mix(EllipseTag);
    const PixelPoint corners[2] = {{box.left, box.top}, {box.right, box.bottom}};
    Cover(corners, 2);
}

void FootprintSurface::Polygon(const PixelPoint* points, int count)
{
    Mix(PolygonTag);
    Cover(points, count);
}

void FootprintSurface::RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge)
{
    Mix(RingTag);
    const PixelPoint corners[4] = {
        {outer.left, outer.top}, {outer.right, outer.bottom}, {inner.left, inner.top}, {inner.right, inner.bottom}};
    Cover(corners, 4);
    Cover(wedge, 4);
}
