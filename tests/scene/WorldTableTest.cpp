#include "scene/WorldTable.h"
#include "tests/support/WorldKindPrinting.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WorldTable, EachWorldHasItsShortAndDisplayName)
{
    EXPECT_STREQ(ShortNameOf(WorldKind::Cascadium), "cascadium");
    EXPECT_STREQ(ShortNameOf(WorldKind::NewtonsCradle), "cradle");
    EXPECT_STREQ(ShortNameOf(WorldKind::PachinkoMachine), "pachinko");
    EXPECT_STREQ(DisplayNameOf(WorldKind::Cascadium), "Cascadium");
    EXPECT_STREQ(DisplayNameOf(WorldKind::NewtonsCradle), "Newton's Cradle");
    EXPECT_STREQ(DisplayNameOf(WorldKind::PachinkoMachine), "Pachinko Machine");
}

TEST(WorldTable, EveryShortNameReadsBackAsItsWorld)
{
    for (WorldKind world : EveryWorld) EXPECT_EQ(WorldOfShortName(ShortNameOf(world)), world);
}

TEST(WorldTable, OnlyAShortNameExactlyAsSpeltIsAWorld)
{
    for (const char* text : {"", "Cascadium", "CRADLE", "cradle ", " cradle", "pachink", "pachinkos", "Newton's Cradle",
                             "Pachinko Machine", "1"}) {
        EXPECT_EQ(WorldOfShortName(text), std::nullopt) << '"' << text << '"';
    }
}

// The manual page and the install notes name the worlds as the build reads them from the header
// (cmake/WorldTable.cmake): it must find every row, with the names compiled here.
TEST(WorldTable, TheBuildReadsEveryRowWithTheNamesCompiledHere)
{
    std::string rows;
    for (const WorldRow& row : WorldTable) rows += std::string(row.shortName) + "=" + row.displayName + "|";
    EXPECT_EQ(rows, CASCADIUM_WORLDS_THE_BUILD_READS);
}

}  // namespace
