#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// The pixels of a device context's width x height area as 0x00RRGGBB values, top row first,
// read through a 32-bit top-down DIB section.
class Pixels {
public:
    Pixels(HDC source, int width, int height) : m_width(width), m_height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        const HDC dc = CreateCompatibleDC(source);
        const HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ old = SelectObject(dc, dib);
        BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const std::uint32_t*>(bits);
        m_pixels.assign(p, p + static_cast<size_t>(width) * static_cast<size_t>(height));
        SelectObject(dc, old);
        DeleteObject(dib);
        DeleteDC(dc);
    }

    // As a COLORREF (0x00BBGGRR), to compare with RGB().
    COLORREF At(int x, int y) const
    {
        const std::uint32_t v =
            m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }

    int Count(COLORREF colour) const
    {
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) n += At(x, y) == colour;
        return n;
    }

    // Pixels of the colour in columns left..right-1 and rows top..bottom-1.
    int CountIn(const RECT& area, COLORREF colour) const
    {
        int n = 0;
        for (LONG y = area.top; y < area.bottom; ++y)
            for (LONG x = area.left; x < area.right; ++x) n += At(x, y) == colour;
        return n;
    }

    // Pixels that differ from the other picture's at the same place, or all when the sizes differ.
    int CountDiffering(const Pixels& other) const
    {
        if (other.m_pixels.size() != m_pixels.size()) return static_cast<int>(m_pixels.size());
        int n = 0;
        for (size_t i = 0; i < m_pixels.size(); ++i) n += m_pixels[i] != other.m_pixels[i];
        return n;
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width;
    int m_height;
    std::vector<std::uint32_t> m_pixels;
};
