#pragma once

#include "render/damage/FootprintSurface.h"

#include <vector>

// Where two successive frames may differ: the box of every entry drawn in one of them and not
// drawn the same way in the other, whether it moved, changed, appeared or went away. Everywhere
// else the two frames hold the same pixels.
std::vector<PixelRect> ChangedAreas(const std::vector<Footprint>& before, const std::vector<Footprint>& now);
