#include "x11/WindowBuffer.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

// The picture's first column (or row) of a window `length` pixels long whose own first lies at
// `position` on the screen: the first on the screen, as far as the picture reaches the
// window's far end.
int FirstHeld(int position, int length, int pictureLength)
{
    return std::clamp(-position, 0, std::max(length - pictureLength, 0));
}

}  // namespace

WindowBuffer::WindowBuffer(Display* display, const TargetWindow& target)
    : m_display(display),
      m_target(target),
      m_gc(XCreateGC(display, target.window, 0, nullptr)),
      m_pixels(display, target.visual, target.colormap)
{
    Resize(target.width, target.height);
    FollowWindow();
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
    PlacePicture();
}

void WindowBuffer::FollowWindow()
{
    int x = 0;
    int y = 0;
    Window child = None;
    if (XTranslateCoordinates(m_display, m_target.window, m_target.root, 0, 0, &x, &y, &child)) m_onScreen = {x, y};
    PlacePicture();
}

void WindowBuffer::PlacePicture()
{
    m_origin = {FirstHeld(m_onScreen.x, m_target.width, m_picture.width),
                FirstHeld(m_onScreen.y, m_target.height, m_picture.height)};
}

void WindowBuffer::MakePicture(int width, int height)
{
    // The old picture goes first: the two are never held at once.
    m_image.reset();
    m_converted = {};
    m_picture = {nullptr, 0, 0, 0};
    m_image = std::make_unique<ServerImage>(m_display, m_target.visual, m_target.depth, width, height);
    XImage* image = m_image->Get();
    if (image && HoldsPictureFormat(*image, *m_target.visual)) {
        m_picture = {reinterpret_cast<unsigned char*>(image->data), width, height, image->bytes_per_line};
        return;
    }
    try {
        if (image) m_converted.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    } catch (const std::bad_alloc&) {
        image = nullptr;
    }
    if (!image) {
        // Drawing nothing, forever, would look like a hang.
        std::fprintf(stderr, "cascadium: no memory for a picture of %dx%d pixels\n", width, height);
        m_image.reset();
        return;
    }
    m_picture = {reinterpret_cast<unsigned char*>(m_converted.data()), width, height,
                 width * static_cast<int>(sizeof(std::uint32_t))};
}

void WindowBuffer::Show(const std::vector<PixelRect>& areas)
{
    if (!HasPicture()) return;
    XImage* image = m_image->Get();
    if (!m_converted.empty())
        for (const PixelRect& area : areas) m_pixels.Convert(m_picture, *image, area);
    m_image->Put(m_target.window, m_gc, areas, m_origin);
    m_image->Finish();
}
