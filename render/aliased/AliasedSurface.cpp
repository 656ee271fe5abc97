#include "render/aliased/AliasedSurface.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>

namespace {

constexpr Span WholeRow{INT_MIN, INT_MAX};

std::uint32_t PixelOf(ColorRef color)
{
    return RedOf(color) << 16 | GreenOf(color) << 8 | BlueOf(color);
}

// Black, which clearing writes over every changed area first, goes through memset: on rows
// not in the cache its wide stores take a fraction of the time of a loop over the pixels. Other
// colours go four pixels to a store (compilers leave a plain loop over the pixels one store a
// pixel), then one at a time for the rest.
void FillPixels(std::uint32_t* first, int count, std::uint32_t pixel)
{
    if (pixel == 0) {
        std::memset(first, 0, static_cast<std::size_t>(count) * sizeof pixel);
        return;
    }
    const std::uint32_t four[4] = {pixel, pixel, pixel, pixel};
    int i = 0;
    for (; i + 4 <= count; i += 4) std::memcpy(first + i, four, sizeof four);
    for (; i < count; ++i) first[i] = pixel;
}

Span Meet(const Span& a, const Span& b)
{
    return {std::max(a.left, b.left), std::min(a.right, b.right)};
}

// The first of the band's runs that ends after column x: the runs are in order and apart, so
// those before it lie wholly left of x.
std::vector<Span>::const_iterator FirstRunAfter(const ClipBand& band, int x)
{
    return std::upper_bound(band.runs.begin(), band.runs.end(), x, [](int c, const Span& r) { return c < r.right; });
}

// The pixels the points name.
PixelRect BoundsOf(const PixelPoint* points, int count)
{
    PixelRect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int i = 0; i < count; ++i) {
        bounds.left = std::min(bounds.left, points[i].x);
        bounds.top = std::min(bounds.top, points[i].y);
        bounds.right = std::max(bounds.right, points[i].x + 1);
        bounds.bottom = std::max(bounds.bottom, points[i].y + 1);
    }
    return bounds;
}

}  // namespace

AliasedSurface::AliasedSurface(const PixelImage& image, PixelPoint origin)
    : m_image(image),
      m_origin(origin),
      m_bands(ClipBands({{origin.x, origin.y, origin.x + image.width, origin.y + image.height}}))
{}

void AliasedSurface::ClipTo(const std::vector<PixelRect>& areas)
{
    std::vector<PixelRect> inside;
    for (const PixelRect& a : areas)
        inside.push_back({std::max(a.left, m_origin.x), std::max(a.top, m_origin.y),
                          std::min(a.right, m_origin.x + m_image.width), std::min(a.bottom, m_origin.y + m_image.height)});
    m_bands = ClipBands(inside);
}

// Calls row(y) for each row of the bounds within the clip, with m_runs set to its band's runs.
template <typename Row>
void AliasedSurface::EachRow(const PixelRect& bounds, Row row)
{
    // The bands are in order from the top: skip those ending above the bounds.
    auto band = std::upper_bound(m_bands.begin(), m_bands.end(), bounds.top,
                                 [](int top, const ClipBand& b) { return top < b.bottom; });
    for (; band != m_bands.end() && band->top < bounds.bottom; ++band) {
        // A shape beside every run of the band costs no more than one look.
        const auto first = FirstRunAfter(*band, bounds.left);
        if (first == band->runs.end() || first->left >= bounds.right) continue;
        m_runs = &*first;
        m_runsEnd = band->runs.data() + band->runs.size();
        for (int y = std::max(band->top, bounds.top); y < std::min(band->bottom, bounds.bottom); ++y) row(y);
    }
}

inline void AliasedSurface::Fill(int y, Span span, std::uint32_t pixel)
{
    if (span.left >= span.right) return;
    auto* row = reinterpret_cast<std::uint32_t*>(m_image.data + static_cast<std::ptrdiff_t>(y - m_origin.y) * m_image.stride);
    for (const Span* run = m_runs; run != m_runsEnd && run->left < span.right; ++run) {
        const Span part = Meet(span, *run);
        if (part.left < part.right) FillPixels(row + (part.left - m_origin.x), part.right - part.left, pixel);
    }
}

void AliasedSurface::FillRuns(int y, Span limit, std::uint32_t pixel)
{
    for (std::size_t i = 0; i + 1 < m_crossings.size(); i += 2) {
        const Span inside{CeilToInt(m_crossings[i]), CeilToInt(m_crossings[i + 1])};
        Fill(y, Meet(inside, limit), pixel);
    }
}

void AliasedSurface::Line(PixelPoint from, PixelPoint to)
{
    const PixelPoint ends[2] = {from, to};
    const LineRows line(from, to);
    EachRow(BoundsOf(ends, 2), [&](int y) { Fill(y, line.At(y), m_line); });
}

void AliasedSurface::Clear(int width, int height)
{
    EachRow({0, 0, width, height}, [&](int y) { Fill(y, {0, width}, 0); });
}

void AliasedSurface::BeginEntry(ColorRef line, ColorRef fill, ColorRef mark)
{
    m_line = PixelOf(line);
    m_fill = PixelOf(fill);
    m_mark = PixelOf(mark);
}

void AliasedSurface::Polyline(const PixelPoint* points, int count)
{
    for (int i = 0; i + 1 < count; ++i) Line(points[i], points[i + 1]);
}

void AliasedSurface::Ellipse(const PixelRect& box)
{
    // The outline is what lies in the box's ellipse and not in the one a pixel further in.
    const EllipseRows outline(box);
    const EllipseRows hole({box.left + 1, box.top + 1, box.right - 1, box.bottom - 1});
    EachRow(box, [&](int y) {
        const Span outer = outline.At(y);
        const Span inner = hole.At(y);
        if (inner.left >= inner.right) {
            Fill(y, outer, m_line);
            return;
        }
        Fill(y, {outer.left, inner.left}, m_line);
        Fill(y, inner, m_fill);
        Fill(y, {inner.right, outer.right}, m_line);
    });
}

void AliasedSurface::Polygon(const PixelPoint* points, int count)
{
    EachRow(BoundsOf(points, count), [&](int y) {
        PolygonCrossings(points, count, y, m_crossings);
        FillRuns(y, WholeRow, m_fill);
    });
    Polyline(points, count);
}

void AliasedSurface::RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge)
{
    const EllipseRows outerRows(outer);
    const EllipseRows innerRows(inner);
    EachRow(outer, [&](int y) {
        const Span ring = outerRows.At(y);
        if (ring.left >= ring.right) return;
        PolygonCrossings(wedge, 4, y, m_crossings);
        const Span hole = innerRows.At(y);
        if (hole.left >= hole.right) {
            FillRuns(y, ring, m_mark);
            return;
        }
        FillRuns(y, {ring.left, hole.left}, m_mark);
        FillRuns(y, {hole.right, ring.right}, m_mark);
    });
}
