#include "x11/WindowBuffer.h"

#include "x11/CopyAreas.h"

#include <cairo-xlib.h>

namespace {

CairoSurfacePtr OffScreen(cairo_surface_t* like, int width, int height)
{
    return CairoSurfacePtr(cairo_surface_create_similar_image(like, CAIRO_FORMAT_RGB24, width, height));
}

}  // namespace

WindowBuffer::WindowBuffer(Display* display, Window window, Visual* visual, int width, int height)
    : m_width(width),
      m_height(height),
      m_front(cairo_xlib_surface_create(display, window, visual, width, height)),
      m_back(OffScreen(m_front.get(), width, height))
{}

void WindowBuffer::Resize(int width, int height)
{
    if (width == m_width && height == m_height) return;
    m_width = width;
    m_height = height;
    cairo_xlib_surface_set_size(m_front.get(), width, height);
    m_back = OffScreen(m_front.get(), width, height);
}

PixelImage WindowBuffer::Pixels() const
{
    cairo_surface_t* back = m_back.get();
    cairo_surface_flush(back);
    unsigned char* data = cairo_image_surface_get_data(back);
    if (!data) return {nullptr, 0, 0, 0};
    return {data, cairo_image_surface_get_width(back), cairo_image_surface_get_height(back),
            cairo_image_surface_get_stride(back)};
}

void WindowBuffer::Show(const std::vector<PixelRect>& areas)
{
    cairo_surface_mark_dirty(m_back.get());
    CopyAreas(m_back.get(), m_front.get(), areas);
}
