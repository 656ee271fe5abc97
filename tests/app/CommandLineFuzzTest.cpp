#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "CommandLine.h"

namespace {

// A second, deliberately plain reading of the argument text: narrow it to ASCII (Unicode
// blanks become spaces, every other non-ASCII unit a character that is neither blank nor
// digit) and let the C library's strtoll read the number.
bool IsUnicodeBlank(char16_t c)
{
    return c == 0x0085 || c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A)
        || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::string Narrow(std::u16string_view text)
{
    std::string narrow;
    for (char16_t c : text) {
        if (c == 0)
            break; // the real argument text ends at its terminator
        narrow += c < 0x80 ? static_cast<char>(c) : IsUnicodeBlank(c) ? ' ' : '#';
    }
    return narrow;
}

std::int32_t ReferenceNumber(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

StartupRequest ReferenceParse(std::u16string_view arguments)
{
    const std::string text = Narrow(arguments);
    const auto lower = [&](std::size_t i) { return std::tolower(static_cast<unsigned char>(text[i])); };
    if (text.size() >= 2 && text[0] == '/' && lower(1) == 's')
        return {RunModeKind::ScreenSaver, 0};
    if (text.size() >= 2 && text[0] == '/' && lower(1) == 'p')
        return {RunModeKind::Preview, ReferenceNumber(text.substr(2))};
    if (text.rfind("/c:", 0) == 0)
        return {RunModeKind::Configure, ReferenceNumber(text.substr(3))};
    return {};
}

// Mostly the characters that steer the parser, now and then any UTF-16 unit at all.
char16_t RandomUnit(std::mt19937& random)
{
    static const std::u16string steering = u"/sSpPcC: \t\n\v\f\r0123456789+-\"x\u00A0\u3000";
    std::uniform_int_distribution<int> pick(0, 9);
    if (pick(random) == 0)
        return static_cast<char16_t>(std::uniform_int_distribution<int>(1, 0xFFFF)(random));
    std::uniform_int_distribution<std::size_t> index(0, steering.size() - 1);
    return steering[index(random)];
}

std::u16string RandomArguments(std::mt19937& random)
{
    std::u16string text;
    const int prefix = std::uniform_int_distribution<int>(0, 3)(random);
    if (prefix == 1)
        text = u"/";
    else if (prefix == 2)
        text = u"/p";
    else if (prefix == 3)
        text = u"/c:";
    const int length = std::uniform_int_distribution<int>(0, 24)(random);
    for (int i = 0; i < length; ++i)
        text += RandomUnit(random);
    return text;
}

TEST(CommandLineFuzz, RandomTextAgreesWithThePlainReading)
{
    std::mt19937 random(20261207);
    int modes[4] = {};
    int nonZeroHosts = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::u16string arguments = RandomArguments(random);
        const StartupRequest expected = ReferenceParse(arguments);
        const StartupRequest actual = ParseCommandLine(arguments);
        ASSERT_EQ(actual.mode, expected.mode) << "case " << i << ": " << Narrow(arguments);
        ASSERT_EQ(actual.host, expected.host) << "case " << i << ": " << Narrow(arguments);
        ++modes[static_cast<int>(actual.mode)];
        nonZeroHosts += actual.host != 0;
    }
    // The input mix must actually reach every mode and many numbers, or the run proves little.
    for (int count : modes)
        EXPECT_GT(count, 1000);
    EXPECT_GT(nonZeroHosts, 10000);
}

} // namespace
