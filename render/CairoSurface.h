#pragma once

#include "DrawSurface.h"

#include <cairo.h>

#include <memory>

// A DrawSurface on a Cairo image in memory: the same shapes, colours, fill and outline as the
// window's picture, antialiased, ready to be written as a PNG file.
class CairoSurface final : public DrawSurface {
public:
    CairoSurface(int width, int height);

    void Clear(int width, int height) override;
    void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) override;
    void EndEntry() override;
    void Polyline(const PixelPoint* points, int count) override;
    void Ellipse(const PixelRect& box) override;
    void Polygon(const PixelPoint* points, int count) override;
    void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) override;
    void Present(int width, int height) override;

    // False when the image could not be made or the file not written.
    bool WritePng(const char* path) const;

private:
    struct SurfaceDeleter {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    struct ContextDeleter {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };

    void SetColor(ColorRef color);
    void FillAndOutline();

    std::unique_ptr<cairo_surface_t, SurfaceDeleter> m_surface;
    std::unique_ptr<cairo_t, ContextDeleter> m_cairo;
    ColorRef m_line = 0;
    ColorRef m_fill = 0;
    ColorRef m_mark = 0;
};
