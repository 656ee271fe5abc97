#include "render/cairo/ScenePng.h"

#include "render/Renderer.h"
#include "render/cairo/CairoHandles.h"
#include "render/cairo/CairoSurface.h"

namespace {

cairo_status_t WriteToFile(void* file, const unsigned char* data, unsigned int length)
{
    return std::fwrite(data, 1, length, static_cast<std::FILE*>(file)) == length ? CAIRO_STATUS_SUCCESS
                                                                                 : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

bool WriteScenePng(const Scene& scene, int width, int height, std::FILE* out)
{
    if (width <= 0 || height <= 0) return false;
    const CairoSurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    CairoSurface surface(image.get());
    RenderScene(scene, width, height, surface);
    return surface.Ok() && cairo_surface_write_to_png_stream(image.get(), WriteToFile, out) == CAIRO_STATUS_SUCCESS;
}
