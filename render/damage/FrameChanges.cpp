#include "render/damage/FrameChanges.h"

#include "render/Renderer.h"
#include "render/damage/ChangedAreas.h"
#include "render/damage/MergedAreas.h"

#include <algorithm>
#include <utility>

namespace {

// The parts of the areas inside `bounds`; an entry's box can reach past the picture's edges.
std::vector<PixelRect> Within(const std::vector<PixelRect>& areas, const PixelRect& bounds)
{
    std::vector<PixelRect> inside;
    for (const PixelRect& a : areas) {
        const PixelRect part{std::max(a.left, bounds.left), std::max(a.top, bounds.top),
                             std::min(a.right, bounds.right), std::min(a.bottom, bounds.bottom)};
        if (part.left < part.right && part.top < part.bottom) inside.push_back(part);
    }
    return inside;
}

}  // namespace

std::vector<PixelRect> FrameChanges::Next(const Scene& scene, int viewWidth, int viewHeight, const PixelRect& held,
                                          bool whole, const PoseSource& poses)
{
    RenderScene(scene, viewWidth, viewHeight, m_next, poses);
    std::swap(m_shown, m_next);
    std::vector<PixelRect> areas{held};
    if (!whole) areas = ChangedAreas(m_next.Footprints(), m_shown.Footprints());
    return MergedAreas(Within(areas, held));
}
