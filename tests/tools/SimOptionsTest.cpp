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

// The whole text, as a user reads it: the world list and the tick's limit come from elsewhere.
TEST(SimOptions, HelpIsTheWholeTextAUserReads)
{
    EXPECT_EQ(SimUsage(),
              "usage: cascadium-sim [options]\n"
              "Runs one Cascadium world headless on a simulated clock: no window, no real time.\n"
              "\n"
              "  --world NAME     cascadium, cradle or pachinko (default cascadium)\n"
              "  --seed N         seed of the random generator, 0..4294967295\n"
              "                   (default: the first clock reading, as the program seeds itself)\n"
              "  --seconds S      simulated wall clock to run, 0..31536000, to the nearest\n"
              "                   millisecond (default 10)\n"
              "  --tick-ms M      timer interval in milliseconds, 1..2000 (default 50): a tick makes\n"
              "                   up at most 2000 ms of missed clock, so a longer one would lose time\n"
              "  --start-ms T     first clock reading, 0..4294967295; a value near 4294967295\n"
              "                   exercises the wrap of the tick counter (default: milliseconds since boot)\n"
              "  --trace          print one JSON line for every entry created and removed\n"
              "  --png FILE       write the last frame as a PNG picture\n"
              "  --frames DIR     write one PNG per tick, DIR/frame-0000.png, ...; DIR is made\n"
              "                   when missing, not its parents\n"
              "  --size WxH       picture size in pixels (default 800x480)\n"
              "  --list-worlds    print each world on a line of its own, in world order: its\n"
              "                   --world name, a tab and the name a person reads; then exit\n"
              "  --help           show this text\n"
              "\n"
              "Ends with one JSON summary line: ticks, steps, live entries, population, bodies,\n"
              "records and springs ever allocated, and the peaks of live entries and population.\n"
              "Shows its progress on stderr when that is a terminal. A picture replaces what was at\n"
              "its name only once it is whole. Exits with 2 on a bad command line, with 1 when a\n"
              "picture or standard output cannot be written.\n");
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
