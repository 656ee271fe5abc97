#pragma once

#include "render/DrawSurface.h"
#include "render/aliased/PixelImage.h"
#include "render/cairo/CairoHandles.h"

#include <X11/Xlib.h>

#include <vector>

// A window and an off-screen picture of its size: each frame is drawn on the picture and then
// copied onto the window, so the window never shows a frame half drawn. The picture is an
// image in this process (in memory shared with the server when it offers MIT-SHM): the server
// then only copies pixels, where drawing on a server pixmap had it rasterise every shape's
// full extent, which cost it more than the drawing costs here.
class WindowBuffer {
public:
    WindowBuffer(Display* display, Window window, Visual* visual, int width, int height);

    // Makes a new off-screen picture for the new size; nothing when the size is unchanged.
    void Resize(int width, int height);

    // The off-screen picture's pixels, to draw on (none when it could not be made).
    PixelImage Pixels() const;
    // Copies these areas of the picture, as drawn since Pixels, onto the window.
    void Show(const std::vector<PixelRect>& areas);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width;
    int m_height;
    // Both surfaces must go before the display closes: their owner declares the display first.
    CairoSurfacePtr m_front;
    CairoSurfacePtr m_back;
};
