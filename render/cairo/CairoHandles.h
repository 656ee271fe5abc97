#pragma once

#include <cairo.h>

#include <memory>

// Owning pointers to Cairo objects. A context holds its own reference on its target, so a
// context and the surface it draws on may be released in either order.
struct CairoSurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoContextRelease {
    void operator()(cairo_t* cairo) const { cairo_destroy(cairo); }
};

using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;
using CairoContextPtr = std::unique_ptr<cairo_t, CairoContextRelease>;
