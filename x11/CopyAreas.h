#pragma once

#include "render/DrawSurface.h"
#include "render/cairo/CairoHandles.h"

#include <vector>

// Copies the areas of the image `from` onto `to` (a window's surface), and nothing beyond the
// image's size; where areas overlap, the pixels are copied once.
void CopyAreas(cairo_surface_t* from, cairo_surface_t* to, const std::vector<PixelRect>& areas);
