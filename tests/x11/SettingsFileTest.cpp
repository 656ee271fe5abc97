// GoogleTest before any X header: X.h defines None, a name GoogleTest uses, as a macro.
#include <gtest/gtest.h>

#include "scene/WorldTable.h"
#include "x11/Options.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Choice {
    std::string id;
    std::string argSet;
};

std::string SettingsFile()
{
    std::ifstream file(CASCADIUM_XML);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The <option> elements of the xscreensaver settings file, in order.
std::vector<Choice> WorldChoices()
{
    const std::string xml = SettingsFile();
    const std::regex option(R"re(<option\s+id="([^"]*)"([^>]*)/>)re");
    const std::regex argSet(R"re(arg-set="([^"]*)")re");
    std::vector<Choice> choices;
    for (std::sregex_iterator it(xml.begin(), xml.end(), option), end; it != end; ++it) {
        const std::string rest = (*it)[2];
        std::smatch arg;
        choices.push_back({(*it)[1], std::regex_search(rest, arg, argSet) ? arg[1].str() : ""});
    }
    return choices;
}

TEST(SettingsFileTest, TheWorldChoiceOffersExactlyTheWorldsOfTheTableInItsOrder)
{
    const std::vector<Choice> choices = WorldChoices();
    ASSERT_EQ(choices.size(), WorldCount);
    for (std::size_t i = 0; i < WorldCount; ++i) {
        const WorldRow& row = WorldTable[i];
        EXPECT_EQ(choices[i].id, row.shortName);
        // The program's default needs no argument; every other world is asked for by name.
        EXPECT_EQ(choices[i].argSet, row.kind == Options{}.shell.world ? "" : std::string("--world ") + row.shortName);
    }
}

// xscreensaver leaves out the argument of a slider at its default: the two defaults must agree.
TEST(SettingsFileTest, TheFrameRateSliderGivesDelaysUpToOnePictureATickDefaultingToTheProgramsOwn)
{
    const std::string xml = SettingsFile();
    std::smatch slider;
    ASSERT_TRUE(std::regex_search(xml, slider, std::regex(R"re(<number id="delay"([^>]*)/>)re")));
    const std::string attributes = slider[1];
    const auto value = [&](const char* name) {
        std::smatch found;
        std::regex_search(attributes, found, std::regex(std::string(name) + R"re(="([^"]*)")re"));
        return found[1].str();
    };
    EXPECT_EQ(value("arg"), "--delay %");
    EXPECT_EQ(value("_label"), "Frame rate");
    EXPECT_EQ(value("convert"), "invert");
    EXPECT_EQ(value("low"), "0");
    EXPECT_EQ(value("high"), "50000");
    EXPECT_EQ(value("default"), std::to_string(Options{}.delayUs));
}

}  // namespace
