#include "scene/WorldTable.h"
#include "tests/support/FixtureMaterial.h"
#include "tests/support/SceneFixture.h"

#include <algorithm>
#include <map>

namespace {

class WorldLayout : public SceneFixture {
protected:
    int FixtureCount(const b2Body* body)
    {
        int n = 0;
        for (const b2Fixture* f = body->GetFixtureList(); f; f = f->GetNext()) ++n;
        return n;
    }
};

TEST_F(WorldLayout, EveryWorldStartsWithGroundAndConveyor)
{
    for (WorldKind world : EveryWorld) {
        scene.ResetWorld(world);
        const auto entries = Entries();
        ASSERT_GE(entries.size(), 2u);
        const b2Body* ground = entries[0]->body;
        const b2Body* conveyor = entries[1]->body;
        EXPECT_EQ(ground->GetType(), b2_staticBody);
        EXPECT_EQ(ground->GetPosition(), b2Vec2(0.0f, -10.0f));
        EXPECT_FLOAT_EQ(ground->GetFixtureList()->GetFriction(), 0.0f);
        EXPECT_EQ(conveyor, scene.Conveyor());
        EXPECT_EQ(conveyor->GetType(), b2_dynamicBody);
        EXPECT_EQ(conveyor->GetPosition(), b2Vec2(0.0f, -0.5f));
        EXPECT_FLOAT_EQ(conveyor->GetMass(), 100.0f);  // 100 x 1 at density 1
        for (const SceneObject* e : {entries[0], entries[1]}) {
            EXPECT_TRUE(e->permanent);
            EXPECT_EQ(e->fillColor, Rgb(0, 0, 128));
            EXPECT_EQ(e->lineColor, Rgb(0, 0, 96));
            EXPECT_EQ(e->weight, 0);
            EXPECT_EQ(e->owner, &scene);
        }
        EXPECT_EQ(scene.World()->GetGravity(), b2Vec2(0.0f, -10.0f));
    }
}

TEST_F(WorldLayout, EveryFixtureOfEveryWorldHasItsSizeAndMaterial)
{
    // Every body in the world counts, the cradle's anchors too, though they have no entry.
    const FixtureMaterial ground = BoxOf(50.0f, 9.0f, 0.0f, 0.0f, 0.0f);
    const FixtureMaterial conveyor = BoxOf(50.0f, 0.5f, 1.0f, 0.0f, 1.0f);
    const FixtureMaterial shelfEnd = CircleOf(0.85f, 0.2f, 0.0f, 0.0f);
    const FixtureMaterial shelfBar = BoxOf(22.5f, 0.85f, 0.1f, 0.0f, 0.0f);
    const FixtureMaterial ball = CircleOf(1.0f, 0.5f, 1.0f, 1000.0f);
    const FixtureMaterial anchor = CircleOf(0.01f, 0.2f, 0.0f, 0.0f);
    const FixtureMaterial pin = CircleOf(0.25f, 0.0f, 1.0f, 0.0f);
    const std::map<FixtureMaterial, int> expected[] = {
        {{ground, 1}, {conveyor, 1}, {shelfEnd, 4}, {shelfBar, 2}},
        {{ground, 1}, {conveyor, 1}, {ball, 11}, {anchor, 11}},
        {{ground, 1}, {conveyor, 1}, {pin, 180}},
    };
    for (WorldKind world : EveryWorld) {
        scene.ResetWorld(world);
        std::map<FixtureMaterial, int> found;
        for (const b2Body* b = scene.World()->GetBodyList(); b; b = b->GetNext()) {
            for (const b2Fixture* f = b->GetFixtureList(); f; f = f->GetNext()) ++found[MaterialOf(*f)];
        }
        EXPECT_EQ(found, expected[static_cast<int>(world)]) << world;
    }
}

TEST_F(WorldLayout, CascadiumHasTwoShelvesAndTheFirstCheckMark)
{
    scene.ResetWorld(WorldKind::Cascadium);
    EXPECT_EQ(scene.ObjectCount(), 4);
    EXPECT_EQ(scene.Population(), 0);
    EXPECT_TRUE(shell.marks[WorldKind::Cascadium]);
    EXPECT_FALSE(shell.marks[WorldKind::NewtonsCradle]);
    EXPECT_FALSE(shell.marks[WorldKind::PachinkoMachine]);
    // All three are cleared first, in world order, then the current one set.
    ASSERT_EQ(shell.calls.size(), 4u);
    EXPECT_EQ(shell.calls[0], std::make_pair(WorldKind::Cascadium, false));
    EXPECT_EQ(shell.calls[1], std::make_pair(WorldKind::NewtonsCradle, false));
    EXPECT_EQ(shell.calls[2], std::make_pair(WorldKind::PachinkoMachine, false));
    EXPECT_EQ(shell.calls[3], std::make_pair(WorldKind::Cascadium, true));

    const auto entries = Entries();
    const b2Body* upper = entries[2]->body;
    const b2Body* lower = entries[3]->body;
    EXPECT_FLOAT_EQ(upper->GetPosition().x, -21.0f);
    EXPECT_FLOAT_EQ(upper->GetPosition().y, 22.5f);
    EXPECT_NEAR(upper->GetAngle(), -0.2617994f, 1e-7f);
    EXPECT_FLOAT_EQ(lower->GetPosition().x, 21.0f);
    EXPECT_FLOAT_EQ(lower->GetPosition().y, 10.5f);
    EXPECT_NEAR(lower->GetAngle(), 0.2617994f, 1e-7f);
    // Box2D prepends fixtures: the bar (added last) comes first.
    const b2Fixture* bar = upper->GetFixtureList();
    ASSERT_EQ(FixtureCount(upper), 3);
    EXPECT_EQ(bar->GetShape()->GetType(), b2Shape::e_polygon);
    EXPECT_FLOAT_EQ(bar->GetFriction(), 0.1f);
    const auto* end = static_cast<const b2CircleShape*>(bar->GetNext()->GetShape());
    EXPECT_FLOAT_EQ(end->m_radius, 0.85f);
    EXPECT_EQ(end->m_p, b2Vec2(-22.5f, 0.0f));
}

TEST_F(WorldLayout, NewtonsCradleHangsElevenBallsOnRods)
{
    clock.Set(777);
    scene.Rng().Seed(12345);
    scene.ResetWorld(WorldKind::NewtonsCradle);
    EXPECT_EQ(scene.ObjectCount(), 25);
    EXPECT_EQ(scene.Population(), 100);
    EXPECT_TRUE(shell.marks[WorldKind::NewtonsCradle]);
    EXPECT_FALSE(shell.marks[WorldKind::Cascadium]);
    EXPECT_EQ(scene.World()->GetJointCount(), 12);
    EXPECT_EQ(scene.World()->GetBodyCount(), 2 + 11 + 11);

    const auto entries = Entries();
    for (int k = -5; k <= 5; ++k) {
        const SceneObject* ball = entries[2 + 2 * (k + 5)];
        const SceneObject* rod = entries[3 + 2 * (k + 5)];
        ASSERT_NE(ball->body, nullptr);
        EXPECT_FLOAT_EQ(ball->body->GetPosition().x, static_cast<float>(k) * 2.05f);
        EXPECT_FLOAT_EQ(ball->body->GetPosition().y, 10.0f);
        EXPECT_EQ(ball->fillColor, Rgb(128, 128, 128));
        EXPECT_TRUE(ball->permanent);
        ASSERT_NE(rod->joint, nullptr);
        EXPECT_EQ(rod->body, nullptr);
        EXPECT_FALSE(rod->permanent);
        EXPECT_EQ(rod->lineColor, Rgb(64, 64, 64));
        EXPECT_EQ(rod->joint->GetBodyA(), ball->body);
        EXPECT_NEAR(static_cast<b2DistanceJoint*>(rod->joint)->GetLength(), 10.0f, 1e-5f);
        EXPECT_TRUE(rod->joint->GetCollideConnected());
    }
    const SceneObject* bar = entries[24];
    ASSERT_NE(bar->joint, nullptr);
    EXPECT_NEAR(static_cast<b2DistanceJoint*>(bar->joint)->GetLength(), 20.5f, 1e-5f);
    EXPECT_FALSE(bar->joint->GetCollideConnected());
}

TEST_F(WorldLayout, CradleSwingsOneToThreeBallsAtEachEnd)
{
    // Which balls move follows from the two counts drawn first.
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        Random draws;
        draws.Seed(seed);
        int left = draws.Count(3.99f);
        const int right = draws.Count(3.99f);
        if (left + right == 0) left = 1;

        scene.Rng().Seed(seed);
        scene.ResetWorld(WorldKind::NewtonsCradle);
        const auto entries = Entries();
        for (int k = -5; k <= 5; ++k) {
            const b2Vec2 v = entries[2 + 2 * (k + 5)]->body->GetLinearVelocity();
            const float expected = k + 5 < left ? -12.0f : (5 - k < right ? 12.0f : 0.0f);
            ASSERT_EQ(v.x, expected) << "seed " << seed << " ball " << k;
            ASSERT_EQ(v.y, 0.0f);
        }
    }
}

TEST_F(WorldLayout, BothCountsZeroMovesOnlyTheLeftmostBall)
{
    // Find a seed whose first two draws both give a count of 0.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        Random draws;
        draws.Seed(seed);
        if (draws.Count(3.99f) == 0 && draws.Count(3.99f) == 0) break;
    }
    scene.Rng().Seed(seed);
    scene.ResetWorld(WorldKind::NewtonsCradle);
    const auto entries = Entries();
    int moving = 0;
    for (int i = 0; i < 11; ++i) moving += entries[2 + 2 * i]->body->GetLinearVelocity().x != 0.0f;
    EXPECT_EQ(moving, 1);
    EXPECT_EQ(entries[2]->body->GetLinearVelocity().x, -12.0f);
}

TEST_F(WorldLayout, PachinkoPutsOneHundredEightyPinsOnFourBodies)
{
    scene.ResetWorld(WorldKind::PachinkoMachine);
    EXPECT_EQ(scene.ObjectCount(), 6);
    EXPECT_EQ(scene.Population(), 0);
    EXPECT_TRUE(shell.marks[WorldKind::PachinkoMachine]);

    const auto entries = Entries();
    std::vector<b2Vec2> pins;
    const int expectedCounts[] = {50, 50, 50, 30};
    for (int i = 0; i < 4; ++i) {
        const b2Body* body = entries[2 + i]->body;
        EXPECT_EQ(body->GetType(), b2_staticBody);
        EXPECT_EQ(body->GetPosition(), b2Vec2(0.0f, 0.0f));
        EXPECT_EQ(FixtureCount(body), expectedCounts[i]);
        EXPECT_TRUE(entries[2 + i]->permanent);
        // Fixtures are listed newest first; restore creation order.
        std::vector<b2Vec2> bodyPins;
        for (const b2Fixture* f = body->GetFixtureList(); f; f = f->GetNext()) {
            const auto* pin = static_cast<const b2CircleShape*>(f->GetShape());
            EXPECT_FLOAT_EQ(pin->m_radius, 0.25f);
            EXPECT_FLOAT_EQ(f->GetRestitution(), 1.0f);
            bodyPins.insert(bodyPins.begin(), pin->m_p);
        }
        pins.insert(pins.end(), bodyPins.begin(), bodyPins.end());
    }
    ASSERT_EQ(pins.size(), 180u);
    EXPECT_EQ(pins.front(), b2Vec2(-28.5f, 30.0f));
    EXPECT_EQ(pins[20], b2Vec2(-30.0f, 27.0f));
    EXPECT_EQ(pins.back(), b2Vec2(28.5f, 6.0f));
}

TEST_F(WorldLayout, ResettingTwiceReusesTheRecords)
{
    scene.ResetWorld(WorldKind::NewtonsCradle);
    const std::size_t allocated = scene.ObjectRecordsAllocated();
    const auto first = Entries();
    scene.ResetWorld(WorldKind::NewtonsCradle);
    EXPECT_EQ(scene.ObjectCount(), 25);
    EXPECT_EQ(scene.ObjectRecordsAllocated(), allocated);
    // The new build takes its records from the free list, so they are the old ones.
    const auto second = Entries();
    for (SceneObject* e : second) EXPECT_NE(std::find(first.begin(), first.end(), e), first.end());

    scene.ResetWorld(WorldKind::Cascadium);
    EXPECT_EQ(scene.ObjectCount(), 4);
    EXPECT_EQ(scene.ObjectRecordsAllocated(), allocated);
}

TEST_F(WorldLayout, CradleTeardownGoesThroughTheDestructionNotices)
{
    scene.ResetWorld(WorldKind::NewtonsCradle);
    const auto entries = Entries();
    // Removing a ball takes its rod's entry with it.
    scene.RemoveObject(entries[2 + 2 * 5]);
    EXPECT_EQ(scene.ObjectCount(), 23);
    for (const SceneObject* e : Entries()) EXPECT_NE(e, entries[3 + 2 * 5]);
    scene.ClearScene();
    EXPECT_EQ(scene.ObjectCount(), 0);
    EXPECT_EQ(scene.FirstObject(), nullptr);
}

}  // namespace
