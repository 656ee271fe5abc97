#include "render/damage/PartialRedraw.h"

#include "render/Renderer.h"
#include "render/aliased/AliasedSurface.h"
#include "render/damage/ChangedAreas.h"
#include "render/damage/MergedAreas.h"

#include <algorithm>
#include <utility>

namespace {

// The parts of the areas inside the picture; an entry's box can reach past its edges.
std::vector<PixelRect> WithinPicture(const std::vector<PixelRect>& areas, const PixelImage& picture)
{
    std::vector<PixelRect> inside;
    for (const PixelRect& a : areas) {
        const PixelRect part{std::max(a.left, 0), std::max(a.top, 0), std::min(a.right, picture.width),
                             std::min(a.bottom, picture.height)};
        if (part.left < part.right && part.top < part.bottom) inside.push_back(part);
    }
    return inside;
}

}  // namespace

std::vector<PixelRect> PartialRedraw::Draw(const Scene& scene, const PixelImage& picture, int viewWidth, int viewHeight,
                                           bool whole, const PoseSource& poses)
{
    RenderScene(scene, viewWidth, viewHeight, m_next, poses);
    std::swap(m_shown, m_next);
    std::vector<PixelRect> areas{{0, 0, picture.width, picture.height}};
    if (!whole) areas = ChangedAreas(m_next.Footprints(), m_shown.Footprints());
    areas = MergedAreas(WithinPicture(areas, picture));
    if (areas.empty()) return areas;
    AliasedSurface surface(picture);
    surface.ClipTo(areas);
    RenderScene(scene, viewWidth, viewHeight, surface, poses);
    return areas;
}
