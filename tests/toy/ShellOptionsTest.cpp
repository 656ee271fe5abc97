#include "toy/ShellOptions.h"
#include "tests/support/WorldKindPrinting.h"
#include "toy/PrintableArgument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A shell with one option of its own without a value and one with a number, as the X11
// program has --root and --window-id.
struct Parsed {
    ShellOptions options;
    std::string error;
    bool flag = false;
    std::string number;
};

Parsed Parse(const std::vector<std::string>& args)
{
    Parsed p;
    const std::vector<OwnOption> own = {
        {"flag", false, [&](const std::string&) { return p.flag = true; }},
        {"number", true,
         [&](const std::string& value) {
             p.number = value;
             return !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
         }},
    };
    p.error = ParseShellOptions(args, own, p.options);
    return p;
}

TEST(ShellOptionsTest, WorldAndHelpWithOneDashOrTwoBesideTheShellsOwnOptions)
{
    const struct {
        std::vector<std::string> args;
        WorldKind world;
        bool help;
    } rows[] = {
        {{}, WorldKind::Cascadium, false},
        {{"--world", "cascadium"}, WorldKind::Cascadium, false},
        {{"--world", "cradle"}, WorldKind::NewtonsCradle, false},
        {{"-world", "pachinko", "-flag", "--number", "7"}, WorldKind::PachinkoMachine, false},
        {{"--world", "cradle", "--help"}, WorldKind::NewtonsCradle, true},
        {{"-h"}, WorldKind::Cascadium, true},
    };
    for (const auto& row : rows) {
        const Parsed p = Parse(row.args);
        EXPECT_EQ(p.error, "") << ::testing::PrintToString(row.args);
        EXPECT_EQ(p.options.world, row.world) << ::testing::PrintToString(row.args);
        EXPECT_EQ(p.options.help, row.help) << ::testing::PrintToString(row.args);
    }
    const Parsed own = Parse({"--flag", "-number", "12"});
    EXPECT_TRUE(own.flag);
    EXPECT_EQ(own.number, "12");
}

TEST(ShellOptionsTest, EveryFaultIsOneLineWithTheArgumentShownEscaped)
{
    const struct {
        std::vector<std::string> args;
        std::string error;
    } rows[] = {
        {{"--world", "Pachinko"}, "bad value 'Pachinko' for --world (see --help)"},
        {{"--world"}, "--world needs a value (see --help)"},
        {{"-number"}, "-number needs a value (see --help)"},
        {{"--number", "12ab"}, "bad value '12ab' for --number (see --help)"},
        {{"--fps"}, "unknown option '--fps' (see --help)"},
        {{"root"}, "unknown option 'root' (see --help)"},
        {{"---flag"}, "unknown option '---flag' (see --help)"},
        {{"-"}, "unknown option '-' (see --help)"},
        {{"--"}, "unknown option '--' (see --help)"},
        {{"--help", "--world", "moon"}, "bad value 'moon' for --world (see --help)"},
        {{"--world", "cradle\x1b[31m"}, "bad value 'cradle\\x1b[31m' for --world (see --help)"},
        {{"--\x07"}, "unknown option '--\\x07' (see --help)"},
        {{"--world", std::string(100000, '9')}, "bad value '" + std::string(60, '9') + "...' for --world (see --help)"},
    };
    for (const auto& row : rows) EXPECT_EQ(Parse(row.args).error, row.error);
}

TEST(ShellOptionsTest, ErrorLinesShowControlBytesAndBrokenUtf8EscapedAndLongArgumentsCut)
{
    const std::string sixty(60, '7');
    const struct {
        std::string arg;
        std::string shown;
    } rows[] = {
        {"cradle\x1b[31mRED", "cradle\\x1b[31mRED"},
        {"a\tb\x7f\\", "a\\x09b\\x7f\\\\"},
        {"gr\xc3\xbcn \xe2\x82\xac \xf0\x9f\x8c\x8d", "gr\xc3\xbcn \xe2\x82\xac \xf0\x9f\x8c\x8d"},
        {"\xc2\x9b[31m", "\\xc2\\x9b[31m"},              // C1 control: the terminal's CSI
        {"\xff\xc3(\xe2\x82", "\\xff\\xc3(\\xe2\\x82"},  // stray, broken and cut-off sequences
        {"\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80",
         "\\xc0\\xaf\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80"},  // overlong, surrogate, too large
        {"\xe0\x9f\xbf", "\\xe0\\x9f\\xbf"},  // overlong after E0: U+07FF in three bytes
        {sixty, sixty},
        {sixty + "7", sixty + "..."},
        {std::string(59, '7') + "\x1b", std::string(59, '7') + "..."},  // an escape is never split
    };
    for (const auto& row : rows) EXPECT_EQ(Printable(row.arg), row.shown) << row.shown;
}

}  // namespace
