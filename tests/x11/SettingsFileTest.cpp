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
    std::string label;
    std::string argSet;
};

// The value of one attribute among an element's attributes; empty when it has none.
std::string Attribute(const std::string& attributes, const char* name)
{
    const std::regex value(std::string(R"re(\b)re") + name + R"re(="([^"]*)")re");
    std::smatch found;
    return std::regex_search(attributes, found, value) ? found[1].str() : "";
}

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
    std::vector<Choice> choices;
    for (std::sregex_iterator it(xml.begin(), xml.end(), option), end; it != end; ++it) {
        const std::string rest = (*it)[2];
        choices.push_back({(*it)[1], Attribute(rest, "_label"), Attribute(rest, "arg-set")});
    }
    return choices;
}

TEST(SettingsFileTest, TheWorldChoiceOffersExactlyTheWorldsOfTheTableInItsOrderAndByTheirNames)
{
    const std::vector<Choice> choices = WorldChoices();
    ASSERT_EQ(choices.size(), WorldCount);
    for (std::size_t i = 0; i < WorldCount; ++i) {
        const WorldRow& row = WorldTable[i];
        EXPECT_EQ(choices[i].id, row.shortName);
        EXPECT_EQ(choices[i].label, row.displayName);
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
    const auto value = [&](const char* name) { return Attribute(attributes, name); };
    EXPECT_EQ(value("arg"), "--delay %");
    EXPECT_EQ(value("_label"), "Frame rate");
    EXPECT_EQ(value("convert"), "invert");
    EXPECT_EQ(value("low"), "0");
    EXPECT_EQ(value("high"), "50000");
    EXPECT_EQ(value("default"), std::to_string(Options{}.delayUs));
}

}  // namespace
