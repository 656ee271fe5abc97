#include "x11/WindowBuffer.h"

#include <algorithm>

WindowBuffer::WindowBuffer(Display* display, const TargetWindow& target)
    : m_display(display),
      m_target(target),
      m_gc(XCreateGC(display, target.window, 0, nullptr)),
      m_pixels(display, target.visual, target.colormap)
{
    Resize(target.width, target.height);
}

WindowBuffer::~WindowBuffer()
{
    XFreeGC(m_display, m_gc);
}

void WindowBuffer::Resize(int width, int height)
{
    m_target.width = width;
    m_target.height = height;
    const int pictureWidth = std::min(width, m_target.screenWidth);
    const int pictureHeight = std::min(height, m_target.screenHeight);
    if (pictureWidth != m_picture.width || pictureHeight != m_picture.height) MakePicture(pictureWidth, pictureHeight);
}

void WindowBuffer::MakePicture(int width, int height)
{
    // The old picture goes first: the two are never held at once.
    m_image.reset();
    m_converted = {};
    m_picture = {nullptr, 0, 0, 0};
    m_image = std::make_unique<ServerImage>(m_display, m_target.visual, m_target.depth, width, height);
    XImage* image = m_image->Get();
    if (!image) return;
    if (HoldsPictureFormat(*image, *m_target.visual)) {
        m_picture = {reinterpret_cast<unsigned char*>(image->data), width, height, image->bytes_per_line};
        return;
    }
    m_converted.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    m_picture = {reinterpret_cast<unsigned char*>(m_converted.data()), width, height,
                 width * static_cast<int>(sizeof(std::uint32_t))};
}

void WindowBuffer::Show(const std::vector<PixelRect>& areas)
{
    XImage* image = m_image ? m_image->Get() : nullptr;
    if (!image) return;
    if (!m_converted.empty())
        for (const PixelRect& area : areas) m_pixels.Convert(m_picture, *image, area);
    m_image->Put(m_target.window, m_gc, areas);
    m_image->Finish();
}
