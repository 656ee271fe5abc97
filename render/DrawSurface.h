#pragma once

#include "scene/Color.h"

// A pixel of the client area, already truncated toward zero by the renderer.
struct PixelPoint {
    int x;
    int y;
};

struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The few drawing operations the picture needs. The renderer computes every integer
// coordinate itself; a surface only carries them out (GDI on Windows, Cairo for PNG files,
// aliased pixels in memory for the X11 window, a recorder in tests).
class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    // Fill the whole picture, width x height pixels, with black.
    virtual void Clear(int width, int height) = 0;
    // Pen of width 1 in `line`, fill in `fill` and a mark brush in `mark` for one entry's drawing.
    virtual void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) = 0;
    virtual void EndEntry() = 0;
    // An open line through the points, in the entry's pen.
    virtual void Polyline(const PixelPoint* points, int count) = 0;
    // An ellipse in the bounding box, filled and outlined.
    virtual void Ellipse(const PixelRect& box) = 0;
    // A polygon through the points (the caller closes it by repeating the first), filled and outlined.
    virtual void Polygon(const PixelPoint* points, int count) = 0;
    // Fill with the mark brush the part of the ring between the ellipses `outer` and `inner`
    // that lies inside the wedge polygon (four points, winding fill).
    virtual void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) = 0;
    // Copy the finished width x height picture to its destination in one block.
    virtual void Present(int width, int height) = 0;
};
