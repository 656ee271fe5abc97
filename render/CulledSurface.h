#pragma once

#include "render/FootprintSurface.h"

#include <cstddef>
#include <vector>

// Passes a frame on to another surface without the entries that touch none of the given areas:
// drawing them would change no pixel there. `footprints` are the same frame's, from a
// FootprintSurface, entry by entry in drawing order. Clearing and presenting pass unchanged.
class CulledSurface final : public DrawSurface {
public:
    CulledSurface(DrawSurface& inner, const std::vector<Footprint>& footprints, const std::vector<PixelRect>& areas)
        : m_inner(inner),
          m_footprints(footprints),
          m_areas(areas)
    {}

    void Clear(int width, int height) override;
    void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) override;
    void EndEntry() override;
    void Polyline(const PixelPoint* points, int count) override;
    void Ellipse(const PixelRect& box) override;
    void Polygon(const PixelPoint* points, int count) override;
    void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) override;
    void Present(int width, int height) override;

private:
    bool Touches(const PixelRect& box) const;

    DrawSurface& m_inner;
    const std::vector<Footprint>& m_footprints;
    const std::vector<PixelRect>& m_areas;
    std::size_t m_next = 0;  // the footprint of the next entry
    bool m_passing = false;  // whether the current entry goes on
};
