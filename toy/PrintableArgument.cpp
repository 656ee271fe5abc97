#include "toy/PrintableArgument.h"

#include <cstddef>

namespace {

constexpr std::size_t LongestShown = 60;

// The length of the UTF-8 character at `p` when it is complete, well formed and no control
// character (C0, DEL or C1); else 0. Overlong forms, surrogates and anything past U+10FFFF are
// not well formed: the second byte's range is narrower after E0, ED, F0 and F4.
std::size_t PrintableLength(const unsigned char* p, std::size_t left)
{
    const unsigned lead = p[0];
    if (lead >= 0x20 && lead < 0x7F) return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || length > left) return 0;
    const unsigned low = lead == 0xC2 ? 0xA0 : lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (p[1] < low || p[1] > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF) return 0;
    return length;
}

}  // namespace

std::string Printable(const std::string& arg)
{
    static const char hex[] = "0123456789abcdef";
    const auto* bytes = reinterpret_cast<const unsigned char*>(arg.data());
    std::string shown;
    for (std::size_t i = 0; i < arg.size();) {
        const unsigned char byte = bytes[i];
        const std::size_t length = byte == '\\' ? 0 : PrintableLength(bytes + i, arg.size() - i);
        const std::string piece = byte == '\\' ? "\\\\"
                                  : length > 0 ? arg.substr(i, length)
                                               : std::string{'\\', 'x', hex[byte >> 4], hex[byte & 0xF]};
        if (shown.size() + piece.size() > LongestShown) return shown + "...";
        shown += piece;
        i += length > 0 ? length : 1;
    }
    return shown;
}
