#pragma once

#include "render/BodyPose.h"
#include "render/DrawSurface.h"
#include "render/damage/FootprintSurface.h"

#include <vector>

class Scene;

// Where the next frame of the scene differs from the last one drawn: the boxes of the entries
// drawn differently, as FootprintSurface tells them apart, with those that overlap enough merged
// (MergedAreas). Knows nothing of how a picture is drawn, so that every surface (aliased pixels,
// GDI) redraws only there.
class FrameChanges {
public:
    // The areas within `held` (the part of a view of viewWidth x viewHeight pixels that the
    // picture holds, in the view's pixels) where the scene's frame differs from the one passed
    // last; all of `held` when `whole` (its pixels were lost, or never drawn). Possibly none.
    // This frame then counts as the one drawn. The bodies stand where `poses` places them.
    std::vector<PixelRect> Next(const Scene& scene, int viewWidth, int viewHeight, const PixelRect& held, bool whole,
                                const PoseSource& poses = PresentPoses{});

    // What the frame passed last drew, entry by entry in drawing order.
    const std::vector<Footprint>& Shown() const { return m_shown.Footprints(); }

private:
    // What the last frame drew, and scratch space for the next one.
    FootprintSurface m_shown;
    FootprintSurface m_next;
};
