#include "WorldKind.h"
#include "WorldNames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WorldNamesTest, EachCommandLineNameReadsBackAsItsWorld)
{
    for (int world : {Cascadium, NewtonsCradle, PachinkoMachine}) {
        EXPECT_EQ(WorldFromName(NameOfWorld(world)), world);
    }
    EXPECT_EQ(WorldFromName("cradle"), NewtonsCradle);
}

TEST(WorldNamesTest, NamesAreExactAndLowerCase)
{
    EXPECT_EQ(WorldFromName("Cradle"), std::nullopt);
    EXPECT_EQ(WorldFromName("cradl"), std::nullopt);
    EXPECT_EQ(WorldFromName("cradle "), std::nullopt);
    EXPECT_EQ(WorldFromName(""), std::nullopt);
}

TEST(WorldNamesTest, TitlesAreTheOnesTheWindowShows)
{
    EXPECT_EQ(std::string(TitleOfWorld(Cascadium)), "Cascadium");
    EXPECT_EQ(std::string(TitleOfWorld(NewtonsCradle)), "Newton's Cradle");
    EXPECT_EQ(std::string(TitleOfWorld(PachinkoMachine)), "Pachinko Machine");
}

TEST(WorldNamesTest, AWorldOutOfRangeIsNamedAsTheFirst)
{
    EXPECT_EQ(std::string(NameOfWorld(3)), "cascadium");
    EXPECT_EQ(std::string(TitleOfWorld(-1)), "Cascadium");
}

}  // namespace
