// GoogleTest before any X header: X.h defines None, a name GoogleTest uses, as a macro.
#include <gtest/gtest.h>

#include "scene/WorldKind.h"
#include "x11/KeyAction.h"

#include <X11/keysym.h>

namespace {

TEST(KeyActionTest, DigitsOneToThreeShowTheWorldsInMenuOrder)
{
    const KeyAction one = ActionOfKey(XK_1);
    const KeyAction two = ActionOfKey(XK_2);
    const KeyAction three = ActionOfKey(XK_3);
    EXPECT_EQ(one.kind, KeyAction::ShowWorld);
    EXPECT_EQ(one.world, WorldKind::Cascadium);
    EXPECT_EQ(two.kind, KeyAction::ShowWorld);
    EXPECT_EQ(two.world, WorldKind::NewtonsCradle);
    EXPECT_EQ(three.kind, KeyAction::ShowWorld);
    EXPECT_EQ(three.world, WorldKind::PachinkoMachine);
}

TEST(KeyActionTest, QAndEscapeEndTheProgram)
{
    EXPECT_EQ(ActionOfKey(XK_q).kind, KeyAction::End);
    EXPECT_EQ(ActionOfKey(XK_Escape).kind, KeyAction::End);
}

TEST(KeyActionTest, TheNeighboursOfThoseKeysDoNothing)
{
    for (KeySym key : {XK_0, XK_4, XK_Q, XK_w, XK_space, XK_Return}) {
        EXPECT_EQ(ActionOfKey(key).kind, KeyAction::Nothing) << key;
    }
}

}  // namespace
