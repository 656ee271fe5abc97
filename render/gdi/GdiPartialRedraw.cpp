#include "render/gdi/GdiPartialRedraw.h"

#include "render/Renderer.h"
#include "render/damage/EntriesMeeting.h"
#include "render/gdi/AreaClip.h"
#include "render/gdi/AreaRegion.h"
#include "render/gdi/GdiSurface.h"

GdiObject<HRGN> GdiPartialRedraw::Draw(const Scene& scene, HDC back, int width, int height, bool whole)
{
    const std::vector<PixelRect> areas = m_changes.Next(scene, width, height, {0, 0, width, height}, whole);
    GdiObject<HRGN> region = AreaRegion(areas);
    if (areas.empty()) return region;
    AreaClip clip(back, region.Get(), areas);
    GdiSurface surface(back, clip);
    EntriesMeeting entries(surface, m_changes.Shown(), areas);
    RenderScene(scene, width, height, entries);
    return region;
}
