#include "scene/ShellDefaults.h"
#include "wayland/Options.h"
#include "wayland/SaverWake.h"

#include <gtest/gtest.h>

namespace {

TEST(WaylandOptionsTest, EachFormTakesOneDashOrTwoAndTheWindowIsTheDefault)
{
    const struct {
        std::vector<std::string> args;
        Form form;
    } rows[] = {
        {{}, Form::Window},
        {{"--fullscreen"}, Form::Fullscreen},
        {{"-fullscreen", "--world", "cradle"}, Form::Fullscreen},
        {{"--background"}, Form::Background},
        {{"-background"}, Form::Background},
    };
    for (const auto& row : rows) {
        const OptionsResult r = ParseOptions(row.args);
        EXPECT_EQ(r.error, "");
        EXPECT_EQ(r.options.form, row.form);
    }
}

TEST(WaylandOptionsTest, FullscreenAndBackgroundTogetherAreOneErrorLine)
{
    EXPECT_EQ(ParseOptions({"--background", "--fullscreen"}).error,
              "--fullscreen and --background cannot be given together (see --help)");
    // The shared rules come first: a bad option is named as in every shell.
    EXPECT_EQ(ParseOptions({"--background", "--fullscreen", "--delay", "1"}).error,
              "unknown option '--delay' (see --help)");
}

TEST(SaverWakeTest, ThePointerEndsTheSaverOnlyBeyondTheToleranceFromWhereItWasFirstSeen)
{
    const double edge = SaverPointerTolerance;
    const struct {
        double dx;
        double dy;
        bool woken;
    } rows[] = {
        {edge, edge, false}, {-edge, -edge, false}, {edge + 0.5, 0, true}, {0, -edge - 0.5, true}, {0, edge + 1, true},
    };
    for (const auto& row : rows) {
        SaverWake wake;
        wake.PointerAt(100, 100);  // the first position never ends it, however far it is
        EXPECT_FALSE(wake.Woken());
        wake.PointerAt(100 + row.dx, 100 + row.dy);
        EXPECT_EQ(wake.Woken(), row.woken) << row.dx << "," << row.dy;
    }
}

TEST(SaverWakeTest, ASlowDriftIsMeasuredFromTheFirstPositionNotTheLast)
{
    SaverWake wake;
    for (double x = 0; x <= SaverPointerTolerance + 1; x += 1) wake.PointerAt(x, 0);
    EXPECT_TRUE(wake.Woken());
}

}  // namespace
