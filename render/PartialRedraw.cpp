#include "render/PartialRedraw.h"

#include "render/ChangedAreas.h"
#include "render/Renderer.h"

#include <utility>

std::vector<PixelRect> PartialRedraw::Draw(const Scene& scene, const PixelImage& image, bool whole)
{
    RenderScene(scene, image.width, image.height, m_next);
    std::swap(m_shown, m_next);
    std::vector<PixelRect> areas{{0, 0, image.width, image.height}};
    if (!whole) areas = ChangedAreas(m_next.Footprints(), m_shown.Footprints());
    if (areas.empty()) return areas;
    AliasedSurface surface(image);
    surface.ClipTo(areas);
    RenderScene(scene, image.width, image.height, surface);
    return areas;
}
