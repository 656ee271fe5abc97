#include "render/damage/PartialRedraw.h"

#include "render/Renderer.h"
#include "render/aliased/AliasedSurface.h"

std::vector<PixelRect> PartialRedraw::Draw(const Scene& scene, const PixelImage& picture, int viewWidth, int viewHeight,
                                           bool whole, const PoseSource& poses)
{
    std::vector<PixelRect> areas = m_changes.Next(scene, viewWidth, viewHeight, picture.width, picture.height, whole, poses);
    if (areas.empty()) return areas;
    AliasedSurface surface(picture);
    surface.ClipTo(areas);
    RenderScene(scene, viewWidth, viewHeight, surface, poses);
    return areas;
}
