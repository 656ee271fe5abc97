#pragma once

#include "render/BodyPose.h"
#include "render/DrawSurface.h"
#include "render/aliased/PixelImage.h"
#include "render/damage/FrameChanges.h"

#include <vector>

class Scene;

// Keeps an aliased picture of the scene up to date by redrawing only where it changed
// (FrameChanges).
class PartialRedraw {
public:
    // Draws the scene, mapped to a view of viewWidth x viewHeight pixels, on the picture, which
    // holds the part of the view from `origin` on as drawn last (it may be smaller than the
    // view: a window larger than the screen keeps a picture only of what can be seen). Draws
    // where the two frames differ, or everywhere when `whole` (the picture's pixels were lost,
    // or never drawn, or it now holds another part). Returns the areas drawn, in the picture's
    // own pixels and possibly none; the rest of the picture already showed the new frame. The
    // bodies stand where `poses` places them.
    std::vector<PixelRect> Draw(const Scene& scene, const PixelImage& picture, int viewWidth, int viewHeight,
                                bool whole, const PoseSource& poses = PresentPoses{}, PixelPoint origin = {0, 0});

private:
    FrameChanges m_changes;
};
