#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "app/CommandLine.h"

namespace {

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();

void ExpectRequest(std::u16string_view arguments, RunModeKind mode, std::int32_t host)
{
    const StartupRequest request = ParseCommandLine(arguments);
    EXPECT_EQ(request.mode, mode) << std::string(arguments.begin(), arguments.end());
    EXPECT_EQ(request.host, host) << std::string(arguments.begin(), arguments.end());
}

TEST(CommandLine, UnrecognisedArgumentsStartThePlainWindow)
{
    for (std::u16string_view arguments :
         {u"", u"-s", u"s", u"/x", u"/c", u"/C:123", u"\"/s\"", u"\"/p 5\"", u" /s", u"/", u"\\s", u"/c;5", u"/ c:5"})
        ExpectRequest(arguments, RunModeKind::Windowed, 0);
}

TEST(CommandLine, SlashSInAnyCaseStartsTheSaverAndIgnoresTheRest)
{
    for (std::u16string_view arguments : {u"/s", u"/S", u"/s 123", u"/S:9", u"/save", u"/s\t-7"})
        ExpectRequest(arguments, RunModeKind::ScreenSaver, 0);
}

TEST(CommandLine, OnlyAsciiLettersFoldForTheModeLetter)
{
    // U+017F (long s) and U+0053 with a combining mark must not be taken for "s".
    ExpectRequest(u"/\u017F", RunModeKind::Windowed, 0);
    ExpectRequest(u"/\u0131", RunModeKind::Windowed, 0);
    ExpectRequest(u"/\uFF33", RunModeKind::Windowed, 0);
}

TEST(CommandLine, PreviewReadsTheHostAfterTwoCharacters)
{
    ExpectRequest(u"/p 1234", RunModeKind::Preview, 1234);
    ExpectRequest(u"/P1234", RunModeKind::Preview, 1234);
    ExpectRequest(u"/p   1234", RunModeKind::Preview, 1234);
    ExpectRequest(u"/p\t\r\n\v\f1234", RunModeKind::Preview, 1234);
    ExpectRequest(u"/p:1234", RunModeKind::Preview, 0);
    ExpectRequest(u"/p", RunModeKind::Preview, 0);
    ExpectRequest(u"/preview", RunModeKind::Preview, 0);
    ExpectRequest(u"/p 12ab34", RunModeKind::Preview, 12);
}

TEST(CommandLine, ConfigureNeedsALowerCaseCAndAColon)
{
    ExpectRequest(u"/c:5678", RunModeKind::Configure, 5678);
    ExpectRequest(u"/c:", RunModeKind::Configure, 0);
    ExpectRequest(u"/c: 77", RunModeKind::Configure, 77);
    ExpectRequest(u"/c:0", RunModeKind::Configure, 0);
    ExpectRequest(u"/c:-1", RunModeKind::Configure, -1);
    ExpectRequest(u"/c 5678", RunModeKind::Windowed, 0);
}

TEST(CommandLine, HostNumberTakesOneSignAndStopsAtTheFirstNonDigit)
{
    ExpectRequest(u"/p -42", RunModeKind::Preview, -42);
    ExpectRequest(u"/p +42", RunModeKind::Preview, 42);
    ExpectRequest(u"/p --42", RunModeKind::Preview, 0);
    ExpectRequest(u"/p +-42", RunModeKind::Preview, 0);
    ExpectRequest(u"/p - 42", RunModeKind::Preview, 0);
    ExpectRequest(u"/p 0x1F", RunModeKind::Preview, 0);
    ExpectRequest(u"/p 007", RunModeKind::Preview, 7);
    ExpectRequest(u"/p 4 2", RunModeKind::Preview, 4);
    ExpectRequest(u"/p \uFF14\uFF12", RunModeKind::Preview, 0);
}

TEST(CommandLine, UnicodeBlanksBeforeTheNumberAreSkipped)
{
    ExpectRequest(u"/p\u00A012", RunModeKind::Preview, 12);
    ExpectRequest(u"/p\u300012", RunModeKind::Preview, 12);
}

TEST(CommandLine, HostNumberSaturatesAtThe32BitLimits)
{
    EXPECT_EQ(ReadDecimal(u"2147483647"), Int32Max);
    EXPECT_EQ(ReadDecimal(u"2147483648"), Int32Max);
    EXPECT_EQ(ReadDecimal(u"-2147483648"), Int32Min);
    EXPECT_EQ(ReadDecimal(u"-2147483649"), Int32Min);
    EXPECT_EQ(ReadDecimal(u"4294967296"), Int32Max);
    EXPECT_EQ(ReadDecimal(u"-4294967297"), Int32Min);
    EXPECT_EQ(ReadDecimal(u"99999999999999999999999999999999999999999"), Int32Max);
    EXPECT_EQ(ReadDecimal(u"-99999999999999999999999999999999999999999"), Int32Min);
    EXPECT_EQ(ReadDecimal(u"00000000000000000000000000000000000000012"), 12);
    EXPECT_EQ(ReadDecimal(std::u16string(100000, u'9')), Int32Max);
}

TEST(CommandLine, TextWithoutDigitsReadsAsZero)
{
    for (std::u16string_view text : {u"", u" ", u"+", u"-", u"  -", u"x1", u":5"})
        EXPECT_EQ(ReadDecimal(text), 0) << std::string(text.begin(), text.end());
}

}  // namespace
