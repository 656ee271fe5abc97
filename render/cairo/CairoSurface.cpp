#include "render/cairo/CairoSurface.h"

#include <algorithm>

namespace {

constexpr double FullTurn = 6.283185307179586;

// GDI's pixel (x, y) is the unit square from (x, y); a 1-pixel pen runs through its centre.
constexpr double PenOffset = 0.5;

// A one-pixel box still shows its outline as a dot.
constexpr double ThinnestRadius = 0.01;

// An ellipse of radii rx, ry around (cx, cy) as a new sub-path; nothing when it has no inside
// (scaling by zero would put the context in an error state for good).
void AddEllipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    if (rx <= 0.0 || ry <= 0.0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, FullTurn);
    cairo_close_path(cr);
    cairo_restore(cr);
}

// The area of an elliptic region: the ellipse inscribed in the box's pixel edges.
void AddRegionEllipse(cairo_t* cr, const PixelRect& box)
{
    AddEllipse(cr, (box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0, (box.right - box.left) / 2.0,
               (box.bottom - box.top) / 2.0);
}

void AddPath(cairo_t* cr, const PixelPoint* points, int count, double offset)
{
    cairo_move_to(cr, points[0].x + offset, points[0].y + offset);
    for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].x + offset, points[i].y + offset);
}

}  // namespace

CairoSurface::CairoSurface(cairo_surface_t* image) : m_cairo(cairo_create(image))
{
    cairo_set_line_width(m_cairo.get(), 1.0);
}

void CairoSurface::SetColor(ColorRef color)
{
    cairo_set_source_rgb(m_cairo.get(), RedOf(color) / 255.0, GreenOf(color) / 255.0, BlueOf(color) / 255.0);
}

void CairoSurface::FillAndOutline()
{
    cairo_t* cr = m_cairo.get();
    SetColor(m_fill);
    cairo_fill_preserve(cr);
    SetColor(m_line);
    cairo_stroke(cr);
}

void CairoSurface::Clear(int, int)
{
    cairo_t* cr = m_cairo.get();
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
    cairo_paint(cr);
}

void CairoSurface::BeginEntry(ColorRef line, ColorRef fill, ColorRef mark)
{
    m_line = line;
    m_fill = fill;
    m_mark = mark;
}

void CairoSurface::EndEntry()
{
    cairo_new_path(m_cairo.get());
}

void CairoSurface::Polyline(const PixelPoint* points, int count)
{
    if (count < 2) return;
    cairo_t* cr = m_cairo.get();
    AddPath(cr, points, count, PenOffset);
    SetColor(m_line);
    cairo_stroke(cr);
}

void CairoSurface::Ellipse(const PixelRect& box)
{
    if (box.right <= box.left || box.bottom <= box.top) return;
    cairo_t* cr = m_cairo.get();
    // The pen's outer edge touches the box, as with GDI's inside-the-box outline.
    AddEllipse(cr, (box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0,
               std::max((box.right - box.left) / 2.0 - PenOffset, ThinnestRadius),
               std::max((box.bottom - box.top) / 2.0 - PenOffset, ThinnestRadius));
    FillAndOutline();
}

void CairoSurface::Polygon(const PixelPoint* points, int count)
{
    if (count < 2) return;
    cairo_t* cr = m_cairo.get();
    AddPath(cr, points, count, PenOffset);
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);  // GDI's default ALTERNATE mode
    FillAndOutline();
}

void CairoSurface::RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge)
{
    cairo_t* cr = m_cairo.get();
    cairo_save(cr);
    AddPath(cr, wedge, 4, 0.0);
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr);
    // Even-odd over both ellipses leaves what lies in exactly one of them: the ring.
    AddRegionEllipse(cr, outer);
    AddRegionEllipse(cr, inner);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetColor(m_mark);
    cairo_fill(cr);
    cairo_restore(cr);
}

void CairoSurface::Present(int, int)
{
    cairo_surface_flush(cairo_get_target(m_cairo.get()));
}

bool CairoSurface::Ok() const
{
    return cairo_status(m_cairo.get()) == CAIRO_STATUS_SUCCESS;
}
