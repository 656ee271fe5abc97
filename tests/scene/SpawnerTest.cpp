#include "scene/Spawner.h"
#include "tests/support/FixtureMaterial.h"
#include "tests/support/SceneFixture.h"

#include <cmath>
#include <functional>
#include <map>
#include <optional>

namespace {

class Spawner : public SceneFixture {
protected:
    // Seeds the generator so that the next draw is `draw` (searching the seed space).
    void SeedForFirstDraw(int draw)
    {
        for (std::uint32_t seed = 0;; ++seed) {
            Random probe;
            probe.Seed(seed);
            if (probe.Next() == draw) {
                scene.Rng().Seed(seed);
                return;
            }
        }
    }

    std::vector<SceneObject*> NewEntries(std::size_t before)
    {
        auto all = Entries();
        return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
    }

    static float Distance(const b2Body* a, const b2Body* b) { return (a->GetPosition() - b->GetPosition()).Length(); }
};

TEST_F(Spawner, SeedOneGivesACircleInCascadium)
{
    scene.ResetWorld(WorldKind::Cascadium);
    scene.Rng().Seed(1);
    SpawnRandomObject(scene, WorldKind::Cascadium);
    ASSERT_EQ(scene.ObjectCount(), 5);
    const b2Body* body = scene.LastObject()->body;
    EXPECT_EQ(body->GetFixtureList()->GetShape()->GetType(), b2Shape::e_circle);
    EXPECT_EQ(body->GetAngle(), 0.0f);
    EXPECT_EQ(body->GetPosition().y, 33.0f);
    // The five draws after the kind: x, angle, density, second size, first (radius).
    Random draws;
    draws.Seed(1);
    draws.Next();
    const float x = draws.Real(60.0f, -30.0f);
    draws.Next();
    draws.Next();
    draws.Next();
    const float radius = draws.Real(0.95f, 0.05f);
    EXPECT_EQ(body->GetPosition().x, x);
    EXPECT_EQ(body->GetFixtureList()->GetShape()->m_radius, radius);
}

TEST_F(Spawner, TopDrawPicksAChainInCascadiumAndABoxInPachinko)
{
    scene.ResetWorld(WorldKind::Cascadium);
    SeedForFirstDraw(Random::Max);
    SpawnRandomObject(scene, WorldKind::Cascadium);
    EXPECT_EQ(scene.ObjectCount(), 4 + 7);  // four circles and three springs
    EXPECT_NE(scene.LastObject()->spring, nullptr);

    scene.ResetWorld(WorldKind::PachinkoMachine);
    SeedForFirstDraw(Random::Max);
    SpawnRandomObject(scene, WorldKind::PachinkoMachine);  // the first draw only advances the generator
    // Whatever the second draw, Pachinko gets a single circle or box.
    EXPECT_EQ(scene.ObjectCount(), 7);
    EXPECT_NE(scene.LastObject()->body, nullptr);
}

TEST_F(Spawner, PachinkoUsesTheSecondDraw)
{
    scene.ResetWorld(WorldKind::PachinkoMachine);
    // Find a seed whose second draw is the top value: that must give a box.
    for (std::uint32_t seed = 0;; ++seed) {
        Random probe;
        probe.Seed(seed);
        probe.Next();
        if (probe.Next() == Random::Max) {
            scene.Rng().Seed(seed);
            break;
        }
    }
    SpawnRandomObject(scene, WorldKind::PachinkoMachine);
    EXPECT_EQ(scene.LastObject()->body->GetFixtureList()->GetShape()->GetType(), b2Shape::e_polygon);
}

TEST_F(Spawner, FullPopulationDrawsNothing)
{
    scene.ResetWorld(WorldKind::Cascadium);
    scene.SetPopulation(40);
    scene.Rng().Seed(99);
    SpawnRandomObject(scene, WorldKind::Cascadium);
    EXPECT_EQ(scene.ObjectCount(), 4);
    Random probe;
    probe.Seed(99);
    EXPECT_EQ(scene.Rng().Next(), probe.Next());  // the generator did not move

    scene.ResetWorld(WorldKind::NewtonsCradle);
    SpawnRandomObject(scene, WorldKind::NewtonsCradle);
    EXPECT_EQ(scene.ObjectCount(), 25);
}

TEST_F(Spawner, EveryKindAddsOneToThePopulationAndItsMaterial)
{
    scene.ResetWorld(WorldKind::Cascadium);
    struct Kind {
        std::function<void()> spawn;
        int entriesAdded;
        int bodiesAdded;
        std::optional<ObjectShape> single;  // empty: a group of equal circles
    };
    const Kind kinds[] = {
        {[&] { SpawnCircle(scene); }, 1, 1, ObjectShape::Circle},
        {[&] { SpawnBox(scene); }, 1, 1, ObjectShape::Box},
        {[&] { SpawnRigidCluster(scene, 1); }, 3, 2, std::nullopt},
        {[&] { SpawnRigidCluster(scene, 3); }, 6, 3, std::nullopt},
        {[&] { SpawnRigidCluster(scene, 6); }, 10, 4, std::nullopt},
        {[&] { SpawnSpringChain(scene); }, 7, 4, std::nullopt},
    };
    for (int i = 0; i < 6; ++i) {
        const Kind& kind = kinds[i];
        // Sizes and density come from the draws: a single's x, angle, density, second size and
        // first size; a group's radius and density first.
        Random draws = scene.Rng();
        FixtureMaterial expected{};
        if (kind.single) {
            draws.Next();
            draws.Next();
            const float density = draws.Real(100.0f, 1.0f);
            const float second = draws.Real(0.95f, 0.05f);
            const float first = draws.Real(0.95f, 0.05f);
            expected = *kind.single == ObjectShape::Box ? BoxOf(first, second, 0.3f, 0.1f, density)
                                                        : CircleOf(first, 1.0f, 0.1f, density);
        } else {
            const float radius = draws.Real(0.95f, 0.05f);
            expected = CircleOf(radius, 1.0f, 0.1f, draws.Real(100.0f, 1.0f));
        }

        const int population = scene.Population();
        const int count = scene.ObjectCount();
        kind.spawn();
        EXPECT_EQ(scene.Population(), population + 1) << i;
        EXPECT_EQ(scene.ObjectCount(), count + kind.entriesAdded) << i;
        int bodies = 0;
        for (const SceneObject* e : NewEntries(static_cast<std::size_t>(count))) {
            if (!e->body) continue;
            ++bodies;
            const b2Fixture* f = e->body->GetFixtureList();
            EXPECT_EQ(f->GetNext(), nullptr) << i;
            EXPECT_EQ(MaterialOf(*f), expected) << i;
        }
        EXPECT_EQ(bodies, kind.bodiesAdded) << i;
    }
}

TEST_F(Spawner, ClusterJointTableAndListOrder)
{
    scene.ResetWorld(WorldKind::Cascadium);
    scene.Rng().Seed(7);
    Random draws;
    draws.Seed(7);
    const float s = draws.Real(0.95f, 0.05f);
    draws.Next();
    const float x0 = draws.Real(60.0f, -30.0f);
    const float g = draws.Real(1.95f, 0.15f) + 2.0f * s;

    SpawnRigidCluster(scene, 6);
    const auto added = NewEntries(4);
    ASSERT_EQ(added.size(), 10u);
    // Circles in creation order P1, P3, P0, P2, then the six joints.
    const b2Body* p1 = added[0]->body;
    const b2Body* p3 = added[1]->body;
    const b2Body* p0 = added[2]->body;
    const b2Body* p2 = added[3]->body;
    EXPECT_EQ(p1->GetPosition(), b2Vec2(x0 + g, 33.0f));
    EXPECT_EQ(p3->GetPosition(), b2Vec2(x0 + g, 33.0f + g));
    EXPECT_EQ(p0->GetPosition(), b2Vec2(x0, 33.0f));
    EXPECT_EQ(p2->GetPosition(), b2Vec2(x0, 33.0f + g));
    EXPECT_EQ(added[0]->weight, 1);
    for (int i = 1; i < 10; ++i) EXPECT_EQ(added[static_cast<std::size_t>(i)]->weight, 0);

    const b2Body* table[6][2] = {{p1, p3}, {p0, p1}, {p0, p3}, {p2, p0}, {p3, p2}, {p1, p2}};
    for (int i = 0; i < 6; ++i) {
        const SceneObject* e = added[4 + static_cast<std::size_t>(i)];
        ASSERT_NE(e->joint, nullptr) << i;
        EXPECT_EQ(e->joint->GetBodyA(), table[i][0]) << i;
        EXPECT_EQ(e->joint->GetBodyB(), table[i][1]) << i;
        EXPECT_FALSE(e->joint->GetCollideConnected());
        EXPECT_EQ(e->lineColor, Rgb(0xC0, 0x80, 0x80));
        const auto* joint = static_cast<const b2DistanceJoint*>(e->joint);
        EXPECT_FLOAT_EQ(joint->GetLength(), Distance(table[i][0], table[i][1]));
        EXPECT_EQ(joint->GetMinLength(), joint->GetMaxLength());
        EXPECT_EQ(joint->GetStiffness(), 0.0f);
    }
}

TEST_F(Spawner, TriangleAndPairShapes)
{
    scene.ResetWorld(WorldKind::Cascadium);
    SpawnRigidCluster(scene, 3);
    auto added = NewEntries(4);
    ASSERT_EQ(added.size(), 6u);
    const b2Body* p1 = added[0]->body;
    const b2Body* p3 = added[1]->body;
    const b2Body* p0 = added[2]->body;
    EXPECT_FLOAT_EQ(p0->GetPosition().y, (p1->GetPosition().y + p3->GetPosition().y) / 2.0f);
    EXPECT_LT(p0->GetPosition().x, p1->GetPosition().x);
    EXPECT_EQ(added[4]->joint->GetBodyA(), p0);
    EXPECT_EQ(added[5]->joint->GetBodyB(), p3);

    const std::size_t before = Entries().size();
    SpawnRigidCluster(scene, 1);
    added = NewEntries(before);
    ASSERT_EQ(added.size(), 3u);
    EXPECT_EQ(added[2]->joint->GetBodyA(), added[0]->body);
    EXPECT_EQ(added[2]->joint->GetBodyB(), added[1]->body);
}

TEST_F(Spawner, SpringChainOrderAndRestLengths)
{
    scene.ResetWorld(WorldKind::Cascadium);
    SpawnSpringChain(scene);
    const auto added = NewEntries(4);
    ASSERT_EQ(added.size(), 7u);
    // C0, C1, spring 0-1, C2, spring 1-2, C3, spring 2-3.
    const std::size_t circles[] = {0, 1, 3, 5};
    const std::size_t springs[] = {2, 4, 6};
    for (std::size_t c : circles) ASSERT_NE(added[c]->body, nullptr);
    EXPECT_EQ(added[0]->weight, 1);
    const float g = added[1]->body->GetPosition().x - added[0]->body->GetPosition().x;
    for (int i = 0; i < 3; ++i) {
        const SceneObject* e = added[springs[i]];
        ASSERT_NE(e->spring, nullptr);
        EXPECT_EQ(e->body, nullptr);
        EXPECT_EQ(e->spring->bodyA, added[circles[i]]->body);
        EXPECT_EQ(e->spring->bodyB, added[circles[i + 1]]->body);
        EXPECT_EQ(e->spring->stiffness, 500.0f);
        EXPECT_EQ(e->spring->damping, 10.0f);
        EXPECT_NEAR(e->spring->restLength, g, 1e-5f);
        EXPECT_EQ(e->weight, 0);
    }
    EXPECT_NEAR(added[5]->body->GetPosition().x, added[0]->body->GetPosition().x + 3.0f * g, 1e-4f);
}

TEST_F(Spawner, PachinkoOnlyGetsSinglesAndExactlyTheDrawnShareOfCircles)
{
    scene.ResetWorld(WorldKind::PachinkoMachine);
    scene.Rng().Seed(2024);
    // Each spawn takes seven draws: the unused kind, the kind, then the single's five. The
    // kind is trunc(u * 19.99) and kinds 0 to 9 are circles.
    Random draws;
    draws.Seed(2024);
    int expectedCircles = 0;
    for (int i = 0; i < 400; ++i) {
        draws.Next();
        const int kind = static_cast<int>(draws.Next() / 32767.0 * 19.99);
        expectedCircles += kind <= 9;
        for (int d = 0; d < 5; ++d) draws.Next();
    }
    std::map<b2Shape::Type, int> shapes;
    for (int i = 0; i < 400; ++i) {
        const int count = scene.ObjectCount();
        scene.SetPopulation(0);
        SpawnRandomObject(scene, WorldKind::PachinkoMachine);
        ASSERT_EQ(scene.ObjectCount(), count + 1);
        ++shapes[scene.LastObject()->body->GetFixtureList()->GetShape()->GetType()];
        scene.RemoveObject(scene.LastObject());
    }
    EXPECT_EQ(shapes[b2Shape::e_circle], expectedCircles);
    EXPECT_EQ(shapes[b2Shape::e_polygon], 400 - expectedCircles);
}

}  // namespace
