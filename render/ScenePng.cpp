#include "ScenePng.h"

#include "CairoSurface.h"
#include "Renderer.h"

bool WriteScenePng(const Scene& scene, int width, int height, const char* path)
{
    if (width <= 0 || height <= 0) return false;
    CairoSurface surface(width, height);
    RenderScene(scene, width, height, surface);
    return surface.WritePng(path);
}
