#include "web/PageQuery.h"
#include "tests/support/WorldKindPrinting.h"

#include <gtest/gtest.h>

namespace {

TEST(PageQuery, TheAddressPicksTheFirstWorldTheSaverFormAndThePictureRate)
{
    struct Case {
        const char* search;
        WorldKind world;
        bool saver;
        Pictures pictures = Pictures::BetweenTicks;
    };
    const Case cases[] = {
        {"", WorldKind::Cascadium, false},
        {"?", WorldKind::Cascadium, false},
        {"?world=cradle", WorldKind::NewtonsCradle, false},
        {"?world=pachinko", WorldKind::PachinkoMachine, false},
        {"?world=pachinko&world=cascadium", WorldKind::Cascadium, false},  // the last one counts
        {"?saver", WorldKind::Cascadium, true},
        {"?saver=1&world=cradle", WorldKind::NewtonsCradle, true},
        {"?world=cradle&saver", WorldKind::NewtonsCradle, true},
        {"?world=Cradle", WorldKind::Cascadium, false},                // exactly as spelt
        {"?world=cradle2", WorldKind::Cascadium, false},               // not a world
        {"?world", WorldKind::Cascadium, false},                       // no value
        {"?worlds=cradle", WorldKind::Cascadium, false},               // not the name
        {"?saverx&&=&world=cradle", WorldKind::NewtonsCradle, false},  // empty and odd parts skipped
        {"?rate=tick", WorldKind::Cascadium, false, Pictures::OnePerTick},
        {"?saver&rate=tick&world=cradle", WorldKind::NewtonsCradle, true, Pictures::OnePerTick},
        {"?rate=tick&rate=frame", WorldKind::Cascadium, false},  // the last one counts
        {"?rate=Tick", WorldKind::Cascadium, false},             // exactly as spelt
        {"?rate", WorldKind::Cascadium, false},
    };
    for (const Case& c : cases) {
        const PageQuery query = ParsePageQuery(c.search);
        EXPECT_EQ(query.world, c.world) << c.search;
        EXPECT_EQ(query.saver, c.saver) << c.search;
        EXPECT_EQ(query.pictures, c.pictures) << c.search;
    }
}

}  // namespace
