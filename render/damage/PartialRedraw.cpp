#include "render/damage/PartialRedraw.h"

#include "render/Renderer.h"
#include "render/aliased/AliasedSurface.h"

std::vector<PixelRect> PartialRedraw::Draw(const Scene& scene, const PixelImage& picture, int viewWidth, int viewHeight,
                                           bool whole, const PoseSource& poses, PixelPoint origin)
{
    const PixelRect held{origin.x, origin.y, origin.x + picture.width, origin.y + picture.height};
    std::vector<PixelRect> areas = m_changes.Next(scene, viewWidth, viewHeight, held, whole, poses);
    if (areas.empty()) return areas;
    AliasedSurface surface(picture, origin);
    surface.ClipTo(areas);
    RenderScene(scene, viewWidth, viewHeight, surface, poses);
    for (PixelRect& a : areas) a = {a.left - origin.x, a.top - origin.y, a.right - origin.x, a.bottom - origin.y};
    return areas;
}
