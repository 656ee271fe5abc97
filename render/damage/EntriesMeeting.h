#pragma once

#include "render/DrawSurface.h"
#include "render/damage/FootprintSurface.h"

#include <cstddef>
#include <vector>

// Passes on to a surface only the entries whose footprint box meets one of the areas. An entry
// drawn wholly elsewhere changes no pixel inside them, yet a surface clipped to them (GDI) would
// still make its pen and brushes and work out its shapes. The footprints are those of the
// frame being drawn, in drawing order.
class EntriesMeeting final : public DrawSurface {
public:
    EntriesMeeting(DrawSurface& surface, const std::vector<Footprint>& footprints, const std::vector<PixelRect>& areas)
        : m_surface(surface), m_footprints(footprints), m_areas(areas)
    {}

    void Clear(int width, int height) override { m_surface.Clear(width, height); }
    void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) override;
    void EndEntry() override;
    void Polyline(const PixelPoint* points, int count) override;
    void Ellipse(const PixelRect& box) override;
    void Polygon(const PixelPoint* points, int count) override;
    void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) override;
    void Present(int width, int height) override { m_surface.Present(width, height); }

private:
    DrawSurface& m_surface;
    const std::vector<Footprint>& m_footprints;
    const std::vector<PixelRect>& m_areas;
    std::size_t m_next = 0;
    bool m_passing = false;
};
