#pragma once

#include "render/DrawSurface.h"
#include "render/aliased/PixelImage.h"

#include <cstdint>
#include <vector>

// A canvas takes its pixels as bytes R, G, B, A; the picture holds 0x00RRGGBB words. Copies one
// area of the picture, which must lie within it, into `rgba` (resized to the area's
// width x height pixels, rows packed, every pixel opaque).
void CopyAreaAsRgba(const PixelImage& picture, const PixelRect& area, std::vector<std::uint8_t>& rgba);
