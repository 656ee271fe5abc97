#pragma once

#include "render/gdi/BackBuffer.h"
#include "render/gdi/GdiHandles.h"
#include "render/gdi/GdiPartialRedraw.h"

class Scene;

// What the main window shows: a back buffer that always holds the whole last picture, redrawn at
// each tick only where the frame changed and copied to the window only there. Whatever may have
// lost or changed what the window shows (a new buffer, any paint, a rebuilt world, another
// display or scale) makes the next picture whole: drawn everywhere and copied to the whole
// window.
class WindowPicture {
public:
    // WM_SIZE: a new back buffer of the client size, holding nothing yet.
    void Resize(HWND hwnd, int width, int height);
    // The next picture is drawn whole, at the next tick (the world was rebuilt).
    void DrawWholeNext();
    // What the window shows may be gone now (another display mode or scale): a new back buffer
    // of the same size, and a whole picture painted at once.
    void Lost(HWND hwnd);
    // The tick moved the scene: the back buffer is drawn where the frame changed, and those areas
    // alone are copied to the window, at once.
    void Update(HWND hwnd, const Scene& scene);
    // WM_PAINT, BeginPaint to EndPaint: the whole picture, drawn afresh and copied.
    void Paint(HWND hwnd, const Scene& scene);

private:
    // Draws the scene into the back buffer where it changed, or whole; returns where it drew.
    GdiObject<HRGN> Draw(const Scene& scene);

    BackBuffer m_back;
    GdiPartialRedraw m_redraw;
    int m_width = 0;
    int m_height = 0;
    bool m_wholeDue = true;
};
