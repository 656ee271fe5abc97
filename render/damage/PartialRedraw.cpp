#include "render/damage/PartialRedraw.h"

#include "render/Renderer.h"
#include "render/aliased/AliasedSurface.h"
<<<<<<< HEAD
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
=======
>>>>>>> issue32

std::vector<PixelRect> PartialRedraw::Draw(const Scene& scene, const PixelImage& picture, int viewWidth, int viewHeight,
                                           bool whole, const PoseSource& poses, PixelPoint origin)
{
<<<<<<< HEAD
    RenderScene(scene, viewWidth, viewHeight, m_next, poses);
    std::swap(m_shown, m_next);
    const PixelRect held{origin.x, origin.y, origin.x + picture.width, origin.y + picture.height};
    std::vector<PixelRect> areas{held};
    if (!whole) areas = ChangedAreas(m_next.Footprints(), m_shown.Footprints());
    areas = MergedAreas(Within(areas, held));
=======
    std::vector<PixelRect> areas = m_changes.Next(scene, viewWidth, viewHeight, picture.width, picture.height, whole, poses);
>>>>>>> issue32
    if (areas.empty()) return areas;
    AliasedSurface surface(picture, origin);
    surface.ClipTo(areas);
    RenderScene(scene, viewWidth, viewHeight, surface, poses);
    for (PixelRect& a : areas) a = {a.left - origin.x, a.top - origin.y, a.right - origin.x, a.bottom - origin.y};
    return areas;
}
