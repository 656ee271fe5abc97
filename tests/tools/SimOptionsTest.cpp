#include "SimOptions.h"
#include "WorldKind.h"

#include <gtest/gtest.h>

namespace {

SimOptionsResult Parse(std::vector<std::string> args)
{
    return ParseSimOptions(args);
}

TEST(SimOptions, DefaultsAndEveryOption)
{
    const SimOptionsResult none = Parse({});
    ASSERT_EQ(none.error, "");
    EXPECT_EQ(none.options.world, Cascadium);
    EXPECT_EQ(none.options.tickMs, 50u);
    EXPECT_FALSE(none.options.seed.has_value());
    EXPECT_FALSE(none.options.startMs.has_value());
    EXPECT_EQ(none.options.width, 800);
    EXPECT_EQ(none.options.height, 480);

    const SimOptionsResult all = Parse({"--world", "pachinko", "--seed", "4294967295", "--seconds", "2.5",
                                        "--tick-ms", "16", "--start-ms", "0", "--trace", "--png", "a.png",
                                        "--frames", "dir", "--size", "1920x1080"});
    ASSERT_EQ(all.error, "");
    EXPECT_EQ(all.options.world, PachinkoMachine);
    EXPECT_EQ(all.options.seed, 4294967295u);
    EXPECT_EQ(all.options.seconds, 2.5);
    EXPECT_EQ(all.options.tickMs, 16u);
    EXPECT_EQ(all.options.startMs, 0u);
    EXPECT_TRUE(all.options.trace);
    EXPECT_EQ(all.options.png, "a.png");
    EXPECT_EQ(all.options.framesDir, "dir");
    EXPECT_EQ(all.options.width, 1920);
    EXPECT_EQ(all.options.height, 1080);
    EXPECT_EQ(Parse({"--world", "cradle"}).options.world, NewtonsCradle);
}

TEST(SimOptions, BadValuesAreRefusedWithAReason)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--world", "moon"},  {"--seed", "-1"},       {"--seed", "4294967296"}, {"--seed", "12abc"},
        {"--seconds", "-3"},  {"--seconds", "nan"},   {"--seconds", "1e400"},   {"--tick-ms", "0"},
        {"--tick-ms", "60001"}, {"--size", "800"},    {"--size", "0x480"},      {"--size", "800x-1"},
        {"--seed"},           {"--bogus"},            {"--png", ""},            {"--start-ms", " 5"},
    };
    for (const auto& args : bad) {
        const SimOptionsResult r = Parse(args);
        EXPECT_NE(r.error, "") << args[0] << (args.size() > 1 ? " " + args[1] : "");
    }
}

}  // namespace
