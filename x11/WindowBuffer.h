#pragma once

#include "render/DrawSurface.h"
#include "render/aliased/PixelImage.h"
#include "x11/ServerImage.h"
#include "x11/TargetWindow.h"
#include "x11/VisualPixels.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <vector>

// A window and an off-screen picture of it: each frame is drawn on the picture and then copied
// onto the window, so the window never shows a frame half drawn. The picture is an image in
// this process (in memory shared with the server when it offers MIT-SHM): the server then only
// copies pixels, where drawing on a server pixmap had it rasterise every shape's full extent.
//
// The picture is at most as large as the screen in each direction: no more of a window can be
// seen at once, and a window can be far larger than the screen (up to 32767 pixels a side, 4 GB
// of picture). It holds the part of the window that lies on the screen, from the window's
// top-left corner on when that is on the screen. The scene stays mapped to the whole window.
class WindowBuffer {
public:
    WindowBuffer(Display* display, const TargetWindow& target);
    // The graphics context goes here; the picture then, as members do, before the display
    // closes (its owner declares the display first).
    ~WindowBuffer();
    WindowBuffer(const WindowBuffer&) = delete;
    WindowBuffer& operator=(const WindowBuffer&) = delete;

    // The window is now width x height. When that changes the picture's size, the old picture
    // is let go (its memory returns to the system) and a new one made; when that cannot be, one
    // line says so and HasPicture turns false.
    void Resize(int width, int height);
    // Asks the server where the window now lies on the screen and moves the part of the window
    // the picture holds with it.
    void FollowWindow();

    bool HasPicture() const { return m_picture.data != nullptr; }
    // The picture's pixels, to draw on, and the window's pixel its top-left one shows.
    PixelImage Pixels() const { return m_picture; }
    PixelPoint Origin() const { return m_origin; }
    // Copies these areas of the picture, as drawn since Pixels, onto the window.
    void Show(const std::vector<PixelRect>& areas);

    // The window's size, which the scene is mapped to.
    int Width() const { return m_target.width; }
    int Height() const { return m_target.height; }

private:
    void MakePicture(int width, int height);
    void PlacePicture();

    Display* m_display;
    TargetWindow m_target;
    GC m_gc;
    VisualPixels m_pixels;
    std::unique_ptr<ServerImage> m_image;
    // The picture when the image holds pixels in another format; empty when it is the image.
    std::vector<std::uint32_t> m_converted;
    PixelImage m_picture{nullptr, 0, 0, 0};
    PixelPoint m_onScreen{0, 0};  // where the window's top-left corner lies on the screen
    PixelPoint m_origin{0, 0};
};
