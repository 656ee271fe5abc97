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

// The <option> elements of the xscreensaver settings file, in order.
std::vector<Choice> WorldChoices()
{
    std::ifstream file(CASCADIUM_XML);
    std::stringstream text;
    text << file.rdbuf();
    const std::string xml = text.str();
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

}  // namespace
