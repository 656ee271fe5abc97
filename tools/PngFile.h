// A square RGBA picture as a PNG file, for the icon generator: straight (not premultiplied)
// 8-bit channels, rows top to bottom, compressed by zlib.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> PngFile(int size, const std::vector<std::uint8_t>& rgba);
