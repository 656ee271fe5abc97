#pragma once

#include "render/gdi/GdiHandles.h"

#include <memory>

// The off-screen picture a window paints into before one block copy to the screen: a memory
// device context holding a bitmap of the client size.
class BackBuffer {
public:
    // Frees the previous buffer, then makes one of width x height compatible with the window's
    // device context. A size of 0 still gives a (1 x 1) buffer; the next size replaces it.
    void CreateBackBuffer(HWND hwnd, int width, int height);
    // Null until the first CreateBackBuffer.
    HDC Dc() const { return m_buffer ? m_buffer->m_hdcBack.Get() : nullptr; }
    HBITMAP Bitmap() const { return m_buffer ? m_buffer->m_hbmBack.Get() : nullptr; }

private:
    // Declared so that destruction first takes the bitmap out of the context, then deletes the
    // bitmap, then the context.
    struct Buffer {
        Buffer(HDC windowDc, int width, int height);
        MemoryDc m_hdcBack;
        GdiObject<HBITMAP> m_hbmBack;
        SelectedObject m_selection;
    };
    std::unique_ptr<Buffer> m_buffer;
};
