#include "render/gdi/BackBuffer.h"

BackBuffer::Buffer::Buffer(HDC windowDc, int width, int height)
    : m_hdcBack(windowDc),
      m_hbmBack(CreateCompatibleBitmap(windowDc, width, height)),
      m_selection(m_hdcBack.Get(), m_hbmBack.Get())
{}

void BackBuffer::CreateBackBuffer(HWND hwnd, int width, int height)
{
    const WindowDc windowDc(hwnd);
    m_buffer.reset();
    m_buffer = std::make_unique<Buffer>(windowDc.Get(), width, height);
}
