#include "tools/PngFile.h"

#include <zlib.h>

#include <stdexcept>
#include <string>

namespace {

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk: its length, its type, its data, and the CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data)
{
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const auto crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
    PutBig32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> PngFile(int size, const std::vector<std::uint8_t>& rgba)
{
    const size_t stride = static_cast<size_t>(size) * 4;
    // Each row starts with its filter type; 0 (none) leaves the flat areas to zlib's matches.
    std::vector<std::uint8_t> rows;
    for (size_t row = 0; row < static_cast<size_t>(size); ++row) {
        rows.push_back(0);
        rows.insert(rows.end(), rgba.begin() + static_cast<long>(row * stride),
                    rgba.begin() + static_cast<long>((row + 1) * stride));
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), Z_BEST_COMPRESSION) !=
        Z_OK)
        throw std::runtime_error("zlib cannot compress a " + std::to_string(size) + " pixel picture");
    packed.resize(packedSize);

    std::vector<std::uint8_t> header;
    PutBig32(header, static_cast<std::uint32_t>(size));
    PutBig32(header, static_cast<std::uint32_t>(size));
    // 8 bits a channel, colour type 6 (RGBA), deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, 6, 0, 0, 0});

    std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", {});
    return file;
}
