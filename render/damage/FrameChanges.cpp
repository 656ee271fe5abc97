#include "render/damage/FrameChanges.h"

#include "render/Renderer.h"
#include "render/damage/ChangedAreas.h"
#include "render/damage/MergedAreas.h"

#include <algorithm>
#include <utility>

namespace {

// The parts of the areas inside the picture; an entry's box can reach past its edges.
std::vector<PixelRect> WithinPicture(const std::vector<PixelRect>& areas, int width, int height)
{
    std::vector<PixelRect> inside;
    for (const PixelRect& a : areas) {
        const PixelRect part{std::max(a.left, 0), std::max(a.top, 0), std::min(a.right, width),
                             std::min(a.bottom, height)};
        if (part.left < part.right && part.top < part.bottom) inside.push_back(part);
    }
    return inside;
}

}  // namespace

std::vector<PixelRect> FrameChanges::Next(const Scene& scene, int viewWidth, int viewHeight, int pictureWidth,
                                          int pictureHeight, bool whole, const PoseSource& poses)
{
    RenderScene(scene, viewWidth, viewHeight, m_next, poses);
    std::swap(m_shown, m_next);
    std::vector<PixelRect> areas{{0, 0, pictureWidth, pictureHeight}};
    if (!whole) areas = ChangedAreas(m_next.Footprints(), m_shown.Footprints());
    return MergedAreas(WithinPicture(areas, pictureWidth, pictureHeight));
}
