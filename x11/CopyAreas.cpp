#include "x11/CopyAreas.h"

void CopyAreas(cairo_surface_t* from, cairo_surface_t* to, const std::vector<PixelRect>& areas)
{
    const CairoContextPtr copy(cairo_create(to));
    cairo_t* cr = copy.get();
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, from, 0.0, 0.0);
    cairo_rectangle(cr, 0.0, 0.0, cairo_image_surface_get_width(from), cairo_image_surface_get_height(from));
    cairo_clip(cr);
    // Winding fill: a pixel in several areas is inside once.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (const PixelRect& a : areas) cairo_rectangle(cr, a.left, a.top, a.right - a.left, a.bottom - a.top);
    cairo_fill(cr);
    cairo_surface_flush(to);
}
