#pragma once

#include "render/DrawSurface.h"
#include "render/cairo/CairoHandles.h"

#include <vector>

// A DrawSurface through Cairo: the same shapes, colours, fill and outline as the window's
// picture, antialiased. It draws onto `back` (an image for a PNG file, an off-screen pixmap for
// a window) and, when a `target` is given, Present copies the finished picture onto it in one
// block. Both surfaces belong to the caller and must outlive this object.
class CairoSurface final : public DrawSurface {
public:
    explicit CairoSurface(cairo_surface_t* back, cairo_surface_t* target = nullptr);

    // Confines all that follows, the clearing and the copy to the target included, to these
    // areas: the rest of both surfaces keeps its pixels.
    void ClipTo(const std::vector<PixelRect>& areas);

    void Clear(int width, int height) override;
    void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) override;
    void EndEntry() override;
    void Polyline(const PixelPoint* points, int count) override;
    void Ellipse(const PixelRect& box) override;
    void Polygon(const PixelPoint* points, int count) override;
    void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) override;
    void Present(int width, int height) override;

    // False once drawing has failed (for instance when the back surface could not be made).
    bool Ok() const;

private:
    void SetColor(ColorRef color);
    void FillAndOutline();

    cairo_surface_t* m_target;
    CairoContextPtr m_cairo;
    std::vector<PixelRect> m_clip;
    bool m_clipped = false;
    ColorRef m_line = 0;
    ColorRef m_fill = 0;
    ColorRef m_mark = 0;
};
