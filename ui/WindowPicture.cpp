#include "ui/WindowPicture.h"

#include "render/gdi/AreaRegion.h"

void WindowPicture::Resize(HWND hwnd, int width, int height)
{
    m_back.CreateBackBuffer(hwnd, width, height);
    m_width = width;
    m_height = height;
    m_wholeDue = true;
}

void WindowPicture::DrawWholeNext()
{
    m_wholeDue = true;
}

void WindowPicture::Lost(HWND hwnd)
{
    if (!m_back.Dc()) return;
    // The old buffer may be of the old display's format.
    Resize(hwnd, m_width, m_height);
    InvalidateRect(hwnd, nullptr, FALSE);
}

GdiObject<HRGN> WindowPicture::Draw(const Scene& scene)
{
    const bool whole = m_wholeDue;
    m_wholeDue = false;
    return m_redraw.Draw(scene, m_back.Dc(), m_width, m_height, whole);
}

void WindowPicture::Update(HWND hwnd, const Scene& scene)
{
    if (!m_back.Dc()) return;
    const GdiObject<HRGN> drawn = Draw(scene);
    // Copied now rather than invalidated for a WM_PAINT: under Wine the invalidation and the paint
    // took nine requests of the Wine server a tick, and a sixth of the saver's CPU.
    const WindowDc window(hwnd);
    const ClippedTo clip(window.Get(), drawn.Get());
    BitBlt(window.Get(), 0, 0, m_width, m_height, m_back.Dc(), 0, 0, SRCCOPY);
}

void WindowPicture::Paint(HWND hwnd, const Scene& scene)
{
    // The ticks ask for no paint: this one means the window lost what it showed.
    if (m_back.Dc()) {
        m_wholeDue = true;
        InvalidateRect(hwnd, nullptr, FALSE);
        Draw(scene);
    }
    const PaintDc paint(hwnd);
    if (m_back.Dc()) BitBlt(paint.Get(), 0, 0, m_width, m_height, m_back.Dc(), 0, 0, SRCCOPY);
}
