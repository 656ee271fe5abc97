#pragma once

#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// Shared by the seeded random-input test and the libFuzzer harness.
namespace reference {

// A second, deliberately plain reading of the argument text: narrow it to ASCII (Unicode
// blanks become spaces, every other non-ASCII unit a character that is neither blank nor
// digit) and let the C library's strtoll read the number.
inline bool IsUnicodeBlank(char16_t c)
{
    return c == 0x0085 || c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029
           || c == 0x202F || c == 0x205F || c == 0x3000;
}

inline std::string Narrow(std::u16string_view text)
{
    std::string narrow;
    for (char16_t c : text) {
        if (c == 0) break;  // the real argument text ends at its terminator
        narrow += c < 0x80 ? static_cast<char>(c) : IsUnicodeBlank(c) ? ' ' : '#';
    }
    return narrow;
}

inline std::int32_t ReferenceNumber(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

inline StartupRequest ReferenceParse(std::u16string_view arguments)
{
    const std::string text = Narrow(arguments);
    const auto lower = [&](std::size_t i) { return std::tolower(static_cast<unsigned char>(text[i])); };
    if (text.size() >= 2 && text[0] == '/' && lower(1) == 's') return {RunModeKind::ScreenSaver, 0};
    if (text.size() >= 2 && text[0] == '/' && lower(1) == 'p')
        return {RunModeKind::Preview, ReferenceNumber(text.substr(2))};
    if (text.rfind("/c:", 0) == 0) return {RunModeKind::Configure, ReferenceNumber(text.substr(3))};
    return {};
}

}  // namespace reference
