#pragma once

#include "render/DrawSurface.h"

// The one mapping between world coordinates and client pixels: the client height spans
// VisibleWorldHeight world units, world x = 0 is the vertical centre line (at width / 2, truncated)
// and world y = 0 the bottom edge. All arithmetic is single precision.
inline constexpr float VisibleWorldHeight = 30.0f;

struct ClientPoint {
    float x;
    float y;
};

struct WorldPoint {
    float x;
    float y;
};

// Unrounded client coordinates of a world point.
ClientPoint WorldToClient(float x, float y, int width, int height);
// The pixel handed to a drawing surface: both coordinates truncated toward zero.
PixelPoint ToPixel(ClientPoint p);
// World point of a client pixel; height must be positive.
WorldPoint ClientToWorld(int x, int y, int width, int height);
