#include "x11/Options.h"
#include "scene/WorldKind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

OptionsResult Parse(const std::vector<std::string>& args)
{
    return ParseOptions(args);
}

TEST(OptionsTest, NoArgumentsOpenTheCascadiumWorldInAWindowOfItsOwn)
{
    const OptionsResult r = Parse({});
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.options.target, Target::OwnWindow);
    EXPECT_EQ(r.options.world, WorldKind::Cascadium);
    EXPECT_FALSE(r.options.help);
}

TEST(OptionsTest, RootTakesOneDashOrTwo)
{
    EXPECT_EQ(Parse({"--root"}).options.target, Target::Root);
    EXPECT_EQ(Parse({"-root"}).options.target, Target::Root);
}

TEST(OptionsTest, WindowIdTakesDecimalOrHexadecimalWithEitherDash)
{
    EXPECT_EQ(Parse({"--window-id", "4194311"}).options.windowId, 4194311ul);
    EXPECT_EQ(Parse({"-window-id", "0x400007"}).options.windowId, 0x400007ul);
    EXPECT_EQ(Parse({"--window-id", "0XaBc"}).options.windowId, 0xABCul);
    EXPECT_EQ(Parse({"--window-id", "0x400007"}).options.target, Target::WindowId);
}

TEST(OptionsTest, WindowIdRunsFromOneToTheLargest32BitValue)
{
    EXPECT_EQ(Parse({"--window-id", "1"}).options.windowId, 1ul);
    EXPECT_EQ(Parse({"--window-id", "0xFFFFFFFF"}).options.windowId, 0xFFFFFFFFul);
    EXPECT_EQ(Parse({"--window-id", "4294967295"}).error, "");
    EXPECT_NE(Parse({"--window-id", "4294967296"}).error, "");
    EXPECT_NE(Parse({"--window-id", "0x100000000"}).error, "");
    EXPECT_NE(Parse({"--window-id", "0"}).error, "");
    EXPECT_NE(Parse({"--window-id", "0x0"}).error, "");
}

TEST(OptionsTest, WindowIdRefusesAnythingButDigits)
{
    for (const char* bad : {"", "0x", "12ab", "0xg1", "-5", "+5", " 5", "5 ", "0b101"}) {
        EXPECT_EQ(Parse({"--window-id", bad}).error,
                  std::string("bad value '") + bad + "' for --window-id (see --help)")
            << bad;
    }
}

TEST(OptionsTest, WindowIdWinsOverRootInEitherOrder)
{
    EXPECT_EQ(Parse({"--root", "--window-id", "7"}).options.target, Target::WindowId);
    EXPECT_EQ(Parse({"--window-id", "7", "--root"}).options.target, Target::WindowId);
}

TEST(OptionsTest, WorldTakesTheSimulatorsNames)
{
    EXPECT_EQ(Parse({"--world", "cascadium"}).options.world, WorldKind::Cascadium);
    EXPECT_EQ(Parse({"--world", "cradle"}).options.world, WorldKind::NewtonsCradle);
    EXPECT_EQ(Parse({"-world", "pachinko"}).options.world, WorldKind::PachinkoMachine);
    EXPECT_EQ(Parse({"--world", "Pachinko"}).error, "bad value 'Pachinko' for --world (see --help)");
}

TEST(OptionsTest, AnOptionWithoutItsValueIsOneLine)
{
    EXPECT_EQ(Parse({"--world"}).error, "--world needs a value");
    EXPECT_EQ(Parse({"-window-id"}).error, "-window-id needs a value");
}

TEST(OptionsTest, UnknownWordsAreRefusedWhateverTheirDashes)
{
    EXPECT_EQ(Parse({"--fps"}).error, "unknown option '--fps' (see --help)");
    EXPECT_EQ(Parse({"root"}).error, "unknown option 'root' (see --help)");
    EXPECT_EQ(Parse({"---root"}).error, "unknown option '---root' (see --help)");
    EXPECT_EQ(Parse({"-"}).error, "unknown option '-' (see --help)");
    EXPECT_EQ(Parse({"--"}).error, "unknown option '--' (see --help)");
}

TEST(OptionsTest, ErrorLinesShowControlBytesAndBrokenUtf8EscapedAndLongArgumentsCut)
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
        {sixty, sixty},
        {sixty + "7", sixty + "..."},
        {std::string(59, '7') + "\x1b", std::string(59, '7') + "..."},  // an escape is never split
    };
    for (const auto& row : rows) EXPECT_EQ(Printable(row.arg), row.shown) << row.shown;
    EXPECT_EQ(Parse({"--world", "cradle\x1b[31m"}).error, "bad value 'cradle\\x1b[31m' for --world (see --help)");
    EXPECT_EQ(Parse({"--\x07"}).error, "unknown option '--\\x07' (see --help)");
    EXPECT_EQ(Parse({"--window-id", std::string(100000, '9')}).error,
              "bad value '" + std::string(60, '9') + "...' for --window-id (see --help)");
}

TEST(OptionsTest, HelpIsReadAfterTheOtherOptionsAreChecked)
{
    EXPECT_TRUE(Parse({"--world", "cradle", "--help"}).options.help);
    EXPECT_TRUE(Parse({"-h"}).options.help);
    EXPECT_NE(Parse({"--help", "--world", "moon"}).error, "");
}

}  // namespace
