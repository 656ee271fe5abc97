#pragma once

#include "render/AliasedSurface.h"
#include "render/FootprintSurface.h"

#include <vector>

class Scene;

// Keeps a picture of the scene up to date by redrawing only where it changed: the boxes of the
// entries drawn differently from the frame before, as FootprintSurface tells them apart.
class PartialRedraw {
public:
    // Draws the scene on the image, which holds the frame drawn last, where the two differ, or
    // everywhere when `whole` (the image's pixels were lost, or never drawn). Returns the areas
    // drawn, possibly none; the rest of the image already showed the new frame.
    std::vector<PixelRect> Draw(const Scene& scene, const PixelImage& image, bool whole);

private:
    // What the last frame drawn drew, and scratch space for the next one.
    FootprintSurface m_shown;
    FootprintSurface m_next;
};
