#include "tools/sim/SimOptions.h"
#include "scene/Scene.h"
#include "tests/support/WorldKindPrinting.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

SimOptionsResult Parse(std::vector<std::string> args)
{
    return ParseSimOptions(args);
}

TEST(SimOptions, DefaultsAndEveryOption)
{
    const SimOptionsResult none = Parse({});
    ASSERT_EQ(none.error, "");
    EXPECT_EQ(none.options.world, WorldKind::Cascadium);
    EXPECT_EQ(none.options.tickMs, 50u);
    EXPECT_EQ(none.options.durationMs, 10000u);
    EXPECT_FALSE(none.options.seed.has_value());
    EXPECT_FALSE(none.options.startMs.has_value());
    EXPECT_EQ(none.options.width, 800);
    EXPECT_EQ(none.options.height, 480);
    EXPECT_FALSE(none.options.listWorlds);

    const SimOptionsResult all =
        Parse({"--world", "pachinko", "--seed", "4294967295", "--seconds", "2.5", "--tick-ms", "16", "--start-ms", "0",
               "--trace", "--png", "a.png", "--frames", "dir", "--size", "1920x1080", "--list-worlds"});
    ASSERT_EQ(all.error, "");
    EXPECT_EQ(all.options.world, WorldKind::PachinkoMachine);
    EXPECT_EQ(all.options.seed, 4294967295u);
    EXPECT_EQ(all.options.durationMs, 2500u);
    EXPECT_EQ(all.options.tickMs, 16u);
    EXPECT_EQ(all.options.startMs, 0u);
    EXPECT_TRUE(all.options.trace);
    EXPECT_EQ(all.options.png, "a.png");
    EXPECT_EQ(all.options.framesDir, "dir");
    EXPECT_EQ(all.options.width, 1920);
    EXPECT_EQ(all.options.height, 1080);
    EXPECT_TRUE(all.options.listWorlds);
    EXPECT_EQ(Parse({"--world", "cradle"}).options.world, WorldKind::NewtonsCradle);
    // The longest tick the scene makes up in full; the help says so.
    EXPECT_EQ(Parse({"--tick-ms", "2000"}).options.tickMs, 2000u);
    EXPECT_NE(SimUsage().find("1.." + std::to_string(Scene::MaxCatchUpMs)), std::string::npos);
}

TEST(SimOptions, SecondsAreRoundedToTheNearestMillisecond)
{
    // 16.15 * 1000 is 16149.999...: truncating lost a millisecond for 741 of these values.
    int wrong = 0;
    for (std::uint64_t ms = 0; ms <= 100000; ++ms) {
        char text[32];
        std::snprintf(text, sizeof text, "%llu.%03llu", static_cast<unsigned long long>(ms / 1000),
                      static_cast<unsigned long long>(ms % 1000));
        wrong += Parse({"--seconds", text}).options.durationMs != ms;
    }
    EXPECT_EQ(wrong, 0);
}

TEST(SimOptions, BadValuesAreRefusedWithAReason)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--world", "moon"},    {"--seed", "-1"},     {"--seed", "4294967296"},
        {"--seed", "12abc"},    {"--seconds", "-3"},  {"--seconds", "nan"},
        {"--seconds", "1e400"}, {"--tick-ms", "0"},   {"--tick-ms", "2001"},
        {"--tick-ms", "60001"}, {"--size", "800"},    {"--size", "0x480"},
        {"--size", "800x-1"},   {"--seed"},           {"--bogus"},
        {"--png", ""},          {"--start-ms", " 5"},
    };
    for (const auto& args : bad) {
        const SimOptionsResult r = Parse(args);
        EXPECT_NE(r.error, "") << args[0] << (args.size() > 1 ? " " + args[1] : "");
    }
    // The arguments are shown as the interactive programs show them: nothing reaches the terminal.
    EXPECT_EQ(Parse({"--png", "a.png", "--world", "cradle\x1b[31m"}).error,
              "bad value 'cradle\\x1b[31m' for --world (see --help)");
    EXPECT_EQ(Parse({"--\x07"}).error, "unknown option '--\\x07' (see --help)");
}

}  // namespace
