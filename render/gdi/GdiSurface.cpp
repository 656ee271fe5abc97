#include "render/gdi/GdiSurface.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// GDI's copy of a point list. Bodies have at most 8 vertices, so a closed polygon fits in 9
// points without touching the heap.
class GdiPoints {
public:
    GdiPoints(const PixelPoint* points, int count) : m_count(count)
    {
        POINT* out = m_small.data();
        if (count > static_cast<int>(m_small.size())) {
            m_large.resize(static_cast<size_t>(count));
            out = m_large.data();
        }
        for (int i = 0; i < count; ++i) out[i] = POINT{points[i].x, points[i].y};
        m_points = out;
    }
    GdiPoints(const GdiPoints&) = delete;
    GdiPoints& operator=(const GdiPoints&) = delete;

    const POINT* Data() const { return m_points; }
    int Count() const { return m_count; }

private:
    std::array<POINT, 9> m_small{};
    std::vector<POINT> m_large;
    const POINT* m_points = nullptr;
    int m_count;
};

}  // namespace

GdiSurface::EntryTools::EntryTools(HDC dc, ColorRef line, ColorRef fill, ColorRef mark)
    : pen(CreatePen(PS_SOLID, 1, line)),
      fillBrush(CreateSolidBrush(fill)),
      markBrush(CreateSolidBrush(mark)),
      penSelection(dc, pen.Get()),
      brushSelection(dc, fillBrush.Get())
{}

void GdiSurface::Before(const PixelRect& box)
{
    if (m_clip) m_clip->Before(box);
}

void GdiSurface::Before(const PixelPoint* points, int count)
{
    if (!m_clip || count <= 0) return;
    PixelRect box{points[0].x, points[0].y, points[0].x + 1, points[0].y + 1};
    for (int i = 1; i < count; ++i) {
        box.left = std::min(box.left, points[i].x);
        box.top = std::min(box.top, points[i].y);
        box.right = std::max(box.right, points[i].x + 1);
        box.bottom = std::max(box.bottom, points[i].y + 1);
    }
    m_clip->Before(box);
}

void GdiSurface::Clear(int width, int height)
{
    Before(PixelRect{-1, -1, width + 1, height + 1});
    // The buffer's context always holds its default black pen, so the border drawn outside
    // the picture is black too.
    SelectObject(m_back, GetStockObject(BLACK_BRUSH));
    Rectangle(m_back, -1, -1, width + 1, height + 1);
    SelectObject(m_back, GetStockObject(NULL_BRUSH));
}

void GdiSurface::BeginEntry(ColorRef line, ColorRef fill, ColorRef mark)
{
    m_entry.reset();
    m_entry.emplace(m_back, line, fill, mark);
}

void GdiSurface::EndEntry()
{
    m_entry.reset();
}

void GdiSurface::Polyline(const PixelPoint* points, int count)
{
    Before(points, count);
    const GdiPoints gdi(points, count);
    ::Polyline(m_back, gdi.Data(), gdi.Count());
}

void GdiSurface::Ellipse(const PixelRect& box)
{
    Before(PixelRect{box.left, box.top, box.right + 1, box.bottom + 1});
    ::Ellipse(m_back, box.left, box.top, box.right, box.bottom);
}

void GdiSurface::Polygon(const PixelPoint* points, int count)
{
    Before(points, count);
    const GdiPoints gdi(points, count);
    ::Polygon(m_back, gdi.Data(), gdi.Count());
}

void GdiSurface::RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge)
{
    if (!m_entry) return;
    Before(PixelRect{outer.left, outer.top, outer.right + 1, outer.bottom + 1});
    const GdiObject<HRGN> ring(CreateEllipticRgn(outer.left, outer.top, outer.right, outer.bottom));
    const GdiObject<HRGN> hole(CreateEllipticRgn(inner.left, inner.top, inner.right, inner.bottom));
    const GdiPoints corners(wedge, 4);
    const GdiObject<HRGN> sector(CreatePolygonRgn(corners.Data(), corners.Count(), WINDING));
    CombineRgn(ring.Get(), ring.Get(), hole.Get(), RGN_XOR);
    CombineRgn(ring.Get(), ring.Get(), sector.Get(), RGN_AND);
    FillRgn(m_back, ring.Get(), m_entry->markBrush.Get());
}

void GdiSurface::Present(int width, int height)
{
    if (m_target) BitBlt(m_target, 0, 0, width, height, m_back, 0, 0, SRCCOPY);
}
