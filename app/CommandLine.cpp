#include "app/CommandLine.h"

#include <limits>

namespace {

// The blanks that the Windows runtime's wcstol skips: the C control blanks plus the Unicode
// space and line separators.
bool IsBlank(char16_t c)
{
    return (c >= u'\t' && c <= u'\r') || c == u' ' || c == 0x0085 || c == 0x00A0 || c == 0x1680
           || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Only ASCII letters fold; any other unit must match exactly.
char16_t FoldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool StartsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldAscii(text[i]) != FoldAscii(prefix[i])) return false;
    }
    return true;
}

}  // namespace

std::int32_t ReadDecimal(std::u16string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;

    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }

    // Accumulate the magnitude in 64 bits and stop growing it once it is past every 32-bit
    // limit, so arbitrarily long digit strings cannot overflow.
    constexpr std::int64_t beyondLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        if (magnitude < beyondLimit) magnitude = magnitude * 10 + (text[at] - u'0');
    }

    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

StartupRequest ParseCommandLine(std::u16string_view arguments)
{
    if (StartsWithIgnoringAsciiCase(arguments, u"/s")) return {RunModeKind::ScreenSaver, 0};
    if (StartsWithIgnoringAsciiCase(arguments, u"/p")) return {RunModeKind::Preview, ReadDecimal(arguments.substr(2))};
    if (arguments.substr(0, 3) == u"/c:") return {RunModeKind::Configure, ReadDecimal(arguments.substr(3))};
    return {};
}
