#include "render/cairo/ScenePng.h"

#include "render/Renderer.h"
#include "render/cairo/CairoHandles.h"
#include "render/cairo/CairoSurface.h"

bool WriteScenePng(const Scene& scene, int width, int height, const char* path)
{
    if (width <= 0 || height <= 0) return false;
    const CairoSurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    CairoSurface surface(image.get());
    RenderScene(scene, width, height, surface);
    return surface.Ok() && cairo_surface_write_to_png(image.get(), path) == CAIRO_STATUS_SUCCESS;
}
