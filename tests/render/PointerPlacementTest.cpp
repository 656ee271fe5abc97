#include "render/PointerPlacement.h"
#include "scene/Scene.h"
#include "tests/support/RecordingShell.h"

#include <gtest/gtest.h>

namespace {

constexpr int Width = 800;
constexpr int Height = 480;

class PointerPlacementTest : public ::testing::Test {
protected:
    PointerPlacementTest() { scene.ResetWorld(WorldKind::Cascadium); }

    bool Press(int x, int y) { return PlaceObjectAt(scene, x, y, Width, Height, lastPlaced); }

    b2Shape::Type NewestShape() const { return scene.LastObject()->body->GetFixtureList()->GetShape()->GetType(); }

    b2Vec2 NewestPosition() const { return scene.LastObject()->body->GetPosition(); }

    ManualClock clock;
    RecordingShell shell;
    Scene scene{clock, shell};
    ObjectShape lastPlaced = ObjectShape::Circle;
};

TEST_F(PointerPlacementTest, DropsAlternateBoxAndCircleStartingWithABox)
{
    const std::int32_t entries = scene.ObjectCount();
    const std::int32_t population = scene.Population();

    ASSERT_TRUE(Press(400, 240));
    EXPECT_EQ(lastPlaced, ObjectShape::Box);
    EXPECT_EQ(NewestShape(), b2Shape::e_polygon);
    EXPECT_FLOAT_EQ(scene.LastObject()->body->GetAngle(), 40.0f * 0.017453292f);
    EXPECT_FLOAT_EQ(scene.LastObject()->body->GetFixtureList()->GetDensity(), 50.0f);
    EXPECT_EQ(scene.LastObject()->fillColor, Rgb(192, 192, 192));

    ASSERT_TRUE(Press(400, 240));
    EXPECT_EQ(lastPlaced, ObjectShape::Circle);
    EXPECT_EQ(NewestShape(), b2Shape::e_circle);
    EXPECT_EQ(scene.LastObject()->body->GetAngle(), 0.0f);
    EXPECT_FLOAT_EQ(scene.LastObject()->body->GetFixtureList()->GetShape()->m_radius, 0.5f);

    ASSERT_TRUE(Press(400, 240));
    EXPECT_EQ(NewestShape(), b2Shape::e_polygon);

    EXPECT_EQ(scene.ObjectCount(), entries + 3);
    EXPECT_EQ(scene.Population(), population + 3);
}

TEST_F(PointerPlacementTest, DropsAtThePointersWorldPosition)
{
    ASSERT_TRUE(Press(400, 0));
    EXPECT_EQ(NewestPosition(), b2Vec2(0.0f, 30.0f));
    ASSERT_TRUE(Press(416, 464));
    EXPECT_EQ(NewestPosition(), b2Vec2(1.0f, 1.0f));
    // A captured drag that left the client area to the left and above.
    ASSERT_TRUE(Press(-16, -16));
    EXPECT_EQ(NewestPosition(), b2Vec2(-26.0f, 31.0f));
}

TEST_F(PointerPlacementTest, PausesAtOneHundredEntriesAndResumesWithThePausedShape)
{
    ASSERT_TRUE(Press(400, 240));  // a box: a circle is due next
    while (scene.ObjectCount() < 100) {
        scene.CreateObject(0.5f, 0.5f, 1.0f, 0.0f, 0.0f, 20.0f, ObjectShape::Box, 0);
    }

    EXPECT_FALSE(Press(400, 240));
    EXPECT_FALSE(Press(410, 240));
    EXPECT_EQ(scene.ObjectCount(), 100);
    EXPECT_EQ(lastPlaced, ObjectShape::Box);

    scene.RemoveObject(scene.LastObject());
    ASSERT_TRUE(Press(400, 240));
    EXPECT_EQ(NewestShape(), b2Shape::e_circle);
    EXPECT_EQ(scene.ObjectCount(), 100);
    EXPECT_FALSE(Press(400, 240));
}

TEST_F(PointerPlacementTest, NothingIsDroppedWithoutAMapping)
{
    const std::int32_t entries = scene.ObjectCount();
    EXPECT_FALSE(PlaceObjectAt(scene, 10, 0, Width, 0, lastPlaced));
    EXPECT_EQ(scene.ObjectCount(), entries);
    EXPECT_EQ(lastPlaced, ObjectShape::Circle);

    Scene worldless(clock, shell);
    EXPECT_FALSE(PlaceObjectAt(worldless, 400, 240, Width, Height, lastPlaced));
    EXPECT_EQ(worldless.ObjectCount(), 0);
    EXPECT_EQ(lastPlaced, ObjectShape::Circle);
}

}  // namespace
