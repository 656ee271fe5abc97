#pragma once

#include "render/DrawSurface.h"
#include "render/cairo/CairoHandles.h"

// A DrawSurface through Cairo: the same shapes, colours, fill and outline as the window's
// picture, antialiased, for PNG pictures. It draws onto `image`, which belongs to the caller
// and must outlive this object; Present finishes the picture there.
class CairoSurface final : public DrawSurface {
public:
    explicit CairoSurface(cairo_surface_t* image);

    void Clear(int width, int height) override;
    void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) override;
    void EndEntry() override;
    void Polyline(const PixelPoint* points, int count) override;
    void Ellipse(const PixelRect& box) override;
    void Polygon(const PixelPoint* points, int count) override;
    void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) override;
    void Present(int width, int height) override;

    // False once drawing has failed, and from the start when `image` is itself in an error
    // state (one that Cairo could not allocate, say).
    bool Ok() const;

private:
    void SetColor(ColorRef color);
    void FillAndOutline();

    CairoContextPtr m_cairo;
    ColorRef m_line = 0;
    ColorRef m_fill = 0;
    ColorRef m_mark = 0;
};
