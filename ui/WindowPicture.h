#pragma once

#include "render/gdi/BackBuffer.h"
#include "render/gdi/GdiHandles.h"
#include "render/gdi/GdiPartialRedraw.h"

class Scene;

// What the main window shows: a back buffer that always holds the whole last picture, redrawn at
// each tick only where the frame changed, and the window's update region, which the tick limits
// to those areas. Whatever may have lost or changed what the window shows (a new buffer, a paint
// the program did not ask for, a rebuilt world, another display or scale) makes the next
// picture whole: drawn everywhere and copied to the whole window.
class WindowPicture {
public:
    WindowPicture();

    // WM_SIZE: a new back buffer of the client size, holding nothing yet.
    void Resize(HWND hwnd, int width, int height);
    // The next picture is drawn whole, at the next tick (the world was rebuilt).
    void DrawWholeNext();
    // What the window shows may be gone now (another display mode or scale): a new back buffer
    // of the same size, and a whole picture painted at once.
    void Lost(HWND hwnd);
    // The tick moved the scene: the back buffer is drawn where the frame changed, and only those
    // areas of the window are invalidated (without erasure).
    void Update(HWND hwnd, const Scene& scene);
    // WM_PAINT, BeginPaint to EndPaint: the update region is copied from the back buffer. A paint
    // reaching beyond the areas the ticks asked for draws the whole picture first.
    void Paint(HWND hwnd, const Scene& scene);

private:
    // Draws the scene into the back buffer where it changed, or whole; returns where it drew.
    GdiObject<HRGN> Draw(const Scene& scene);
    // True when the window's update region lies within the areas the ticks invalidated.
    bool OnlyAskedAreasDue(HWND hwnd) const;

    BackBuffer m_back;
    GdiPartialRedraw m_redraw;
    // Invalidated by the ticks since the last paint.
    GdiObject<HRGN> m_asked;
    int m_width = 0;
    int m_height = 0;
    bool m_wholeDue = true;
};
