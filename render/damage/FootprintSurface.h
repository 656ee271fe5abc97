#pragma once

#include "render/DrawSurface.h"

#include <cstdint>
#include <vector>

// What one entry drew in one frame: a fingerprint of its colours and every coordinate it was
// given, and the box of pixels its drawing can touch.
// An entry drawn again with the same fingerprint leaves exactly the same pixels.
struct Footprint {
    std::uint64_t signature;
    PixelRect box;  // left and top inclusive, right and bottom exclusive; empty when nothing was drawn
};

// A DrawSurface that draws nothing and keeps the footprint of each entry, so that a picture
// drawn by AliasedSurface or GDI need be redrawn only where it changed since the frame before.
class FootprintSurface final : public DrawSurface {
public:
    void Clear(int, int) override { m_footprints.clear(); }
    void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) override;
    void EndEntry() override;
    void Polyline(const PixelPoint* points, int count) override;
    void Ellipse(const PixelRect& box) override;
    void Polygon(const PixelPoint* points, int count) override;
    void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) override;
    void Present(int, int) override {}

    // Every entry of the last frame drawn, in drawing order.
    const std::vector<Footprint>& Footprints() const { return m_footprints; }

private:
    void Mix(int value);
    void Cover(const PixelPoint* points, int count);
    void Cover(const PixelRect& box);

    std::vector<Footprint> m_footprints;
    Footprint m_entry{};
    bool m_empty = true;
};
