#pragma once

#include "render/DrawSurface.h"
#include "render/aliased/ClipBands.h"
#include "render/aliased/PixelImage.h"
#include "render/aliased/RowSpans.h"

#include <cstdint>
#include <vector>

// A DrawSurface that draws as GDI does, without antialiasing, straight into a picture in
// memory: a pixel takes a shape's colour when its centre lies inside the shape. A shape costs
// a small fraction of what Cairo takes for it (tens of microseconds for an outlined disc), which
// a screen saver redrawing 20 times a second needs; pictures that must match Cairo's stay with
// CairoSurface.
class AliasedSurface final : public DrawSurface {
public:
    // The image holds the part of the view from `origin` on: the view's pixel (x, y) is the
    // image's (x - origin.x, y - origin.y), and nothing is drawn beyond the image.
    explicit AliasedSurface(const PixelImage& image, PixelPoint origin = {0, 0});

    // Confines all that follows, the clearing included, to these areas: the rest of the
    // picture keeps its pixels, and a shape outside them costs next to nothing.
    void ClipTo(const std::vector<PixelRect>& areas);

    void Clear(int width, int height) override;
    void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) override;
    void EndEntry() override {}
    void Polyline(const PixelPoint* points, int count) override;
    void Ellipse(const PixelRect& box) override;
    void Polygon(const PixelPoint* points, int count) override;
    void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) override;
    // The picture is drawn where it is shown from: nothing to copy.
    void Present(int, int) override {}

private:
    template <typename Row>
    void EachRow(const PixelRect& bounds, Row row);
    void Fill(int y, Span span, std::uint32_t pixel);
    void FillRuns(int y, Span limit, std::uint32_t pixel);
    void Line(PixelPoint from, PixelPoint to);

    PixelImage m_image;
    PixelPoint m_origin;
    std::vector<ClipBand> m_bands;
    // The runs of the row being drawn's band that the shape's bounds can reach: those left of
    // the bounds are never looked at again.
    const Span* m_runs = nullptr;
    const Span* m_runsEnd = nullptr;
    std::vector<double> m_crossings;   // of the polygon with the row being drawn
    std::uint32_t m_line = 0;
    std::uint32_t m_fill = 0;
    std::uint32_t m_mark = 0;
};
