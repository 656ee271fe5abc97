#pragma once

#include "render/DrawSurface.h"

#include <vector>

// The areas with each two that overlap enough replaced by the box around both, until no two
// do: a moving entry's box before and after, which overlap most at 60 pictures a second, become
// one area, redrawn once and shown with one request instead of two that copy their common part
// twice. Two merge when the box around them holds no more pixels than the two together, so the
// pixels shown never grow. The result covers every pixel of the areas; all must be non-empty.
std::vector<PixelRect> MergedAreas(std::vector<PixelRect> areas);
