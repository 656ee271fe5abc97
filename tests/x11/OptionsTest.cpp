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
    EXPECT_EQ(r.options.shell.world, WorldKind::Cascadium);
    EXPECT_FALSE(r.options.shell.help);
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

TEST(OptionsTest, TheCommonOptionsComeWithTheShellsOwn)
{
    const OptionsResult r = Parse({"-root", "--world", "cradle", "-h"});
    EXPECT_EQ(r.options.target, Target::Root);
    EXPECT_EQ(r.options.shell.world, WorldKind::NewtonsCradle);
    EXPECT_TRUE(r.options.shell.help);
    EXPECT_EQ(Parse({"-window-id"}).error, "-window-id needs a value (see --help)");
    EXPECT_EQ(Parse({"--delay"}).error, "--delay needs a value (see --help)");
    EXPECT_EQ(Parse({"--window-id", std::string(100000, '9')}).error,
              "bad value '" + std::string(60, '9') + "...' for --window-id (see --help)");
}

TEST(OptionsTest, DelayIsMicrosecondsInDecimalDigitsFromZeroToTheLargest32BitValue)
{
    EXPECT_EQ(Parse({}).options.delayUs, 16666u);
    EXPECT_EQ(Parse({"-delay", "0"}).options.delayUs, 0u);
    EXPECT_EQ(Parse({"--delay", "50000"}).options.delayUs, 50000u);
    EXPECT_EQ(Parse({"--delay", "4294967295"}).options.delayUs, 4294967295u);
    for (const char* bad : {"", "4294967296", "-1", "+1", "1e4", "0x10", " 5"})
        EXPECT_EQ(Parse({"--delay", bad}).error, std::string("bad value '") + bad + "' for --delay (see --help)")
            << bad;
}

// The whole text, as a user reads it: the world and key lists come from the world table and
// would change there unseen.
TEST(OptionsTest, HelpIsTheWholeTextAUserReads)
{
    EXPECT_EQ(Usage(),
              "usage: cascadium [options]\n"
              "A small two-dimensional physics world, for the desktop and as an xscreensaver hack.\n"
              "\n"
              "  --world NAME      cascadium, cradle or pachinko (default cascadium)\n"
              "  --root            draw on the window named by XSCREENSAVER_WINDOW, else the root window\n"
              "  --window-id ID    draw into that window (decimal or 0x hexadecimal)\n"
              "  --delay US        microseconds between pictures (default 16666, about 60 a second);\n"
              "                    under 1000 counts as 1000, 50000 or more gives one picture a\n"
              "                    tick, 20 a second\n"
              "  --help, -h        show this text\n"
              "\n"
              "Without --root or --window-id it opens a window of its own: drag with the left button to\n"
              "drop objects, keys 1, 2 and 3 switch worlds, q or Escape ends it.\n"
              "Every option may be spelt with one dash as well (-root, -window-id ID).\n");
}

}  // namespace
