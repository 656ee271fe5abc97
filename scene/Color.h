#pragma once

#include <cstdint>

// A colour as Windows stores it (0x00BBGGRR), so the GDI surface can pass it through unchanged.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(unsigned red, unsigned green, unsigned blue)
{
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

constexpr unsigned RedOf(ColorRef c)
{
    return c & 0xFFu;
}
constexpr unsigned GreenOf(ColorRef c)
{
    return (c >> 8) & 0xFFu;
}
constexpr unsigned BlueOf(ColorRef c)
{
    return (c >> 16) & 0xFFu;
}
