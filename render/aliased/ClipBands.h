#pragma once

#include "render/DrawSurface.h"
#include "render/aliased/RowSpans.h"

#include <vector>

// Rows top up to but not including bottom, and the runs of columns in them, left to right,
// neither overlapping nor touching.
struct ClipBand {
    int top;
    int bottom;
    std::vector<Span> runs;
};

// The union of the rectangles as bands from top to bottom, so that no pixel of it is named
// twice however much the rectangles overlap.
std::vector<ClipBand> ClipBands(const std::vector<PixelRect>& rects);
