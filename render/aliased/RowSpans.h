#pragma once

#include "render/DrawSurface.h"

#include <vector>

// A run of pixels in one row, from `left` up to but not including `right`; empty unless
// left < right.
struct Span {
    int left;
    int right;
};

// The rows of each shape, one at a time, for drawing without antialiasing: a pixel is inside
// a shape when its centre is.

// The pixels of row y inside the ellipse inscribed in the box's pixel edges.
Span EllipseRow(const PixelRect& box, int y);

// The pixels of row y on the one-pixel line between the two pixels, both ends included.
Span LineRow(PixelPoint from, PixelPoint to, int y);

// Where row y crosses the polygon through the pixels, in increasing order: the pixels from
// ceil(x[0]) up to ceil(x[1]) are inside (even-odd), then those from ceil(x[2]) up to
// ceil(x[3]), and so on. `x` is cleared first.
void PolygonCrossings(const PixelPoint* points, int count, int y, std::vector<double>& x);
