#include "ui/WindowPicture.h"

WindowPicture::WindowPicture() : m_asked(CreateRectRgn(0, 0, 0, 0)) {}

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
    InvalidateRgn(hwnd, drawn.Get(), FALSE);
    CombineRgn(m_asked.Get(), m_asked.Get(), drawn.Get(), RGN_OR);
}

bool WindowPicture::OnlyAskedAreasDue(HWND hwnd) const
{
    const GdiObject<HRGN> due(CreateRectRgn(0, 0, 0, 0));
    if (GetUpdateRgn(hwnd, due.Get(), FALSE) == ERROR) return false;
    return CombineRgn(due.Get(), due.Get(), m_asked.Get(), RGN_DIFF) == NULLREGION;
}

void WindowPicture::Paint(HWND hwnd, const Scene& scene)
{
    if (m_back.Dc() && (m_wholeDue || !OnlyAskedAreasDue(hwnd))) {
        m_wholeDue = true;
        InvalidateRect(hwnd, nullptr, FALSE);
        Draw(scene);
    }
    SetRectRgn(m_asked.Get(), 0, 0, 0, 0);
    // The paint's context is clipped to the update region: only that much is copied.
    const PaintDc paint(hwnd);
    if (m_back.Dc()) BitBlt(paint.Get(), 0, 0, m_width, m_height, m_back.Dc(), 0, 0, SRCCOPY);
}
