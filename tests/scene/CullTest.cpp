#include "scene/Spawner.h"
#include "tests/support/SceneFixture.h"

#include <algorithm>

namespace {

class RecordingObserver final : public SceneObserver {
public:
    void OnLinked(const SceneObject&) override { ++linked; }
    void OnRemoved(const SceneObject& entry, RemovalReason reason) override { removed.emplace_back(&entry, reason); }

    int linked = 0;
    std::vector<std::pair<const SceneObject*, RemovalReason>> removed;
};

class Cull : public SceneFixture {
protected:
    Cull()
    {
        scene.ResetWorld(WorldKind::Cascadium);
        scene.SetObserver(&observer);
    }
    ~Cull() override { scene.SetObserver(nullptr); }  // the observer dies before the scene

    // An object made now, placed and moving as given, awake.
    SceneObject* Object(float y, b2Vec2 velocity = b2Vec2_zero)
    {
        b2Body* body = scene.CreateObject(0.5f, 0.5f, 50.0f, 0.0f, 0.0f, y, ObjectShape::Box, 1);
        body->SetLinearVelocity(velocity);
        return EntryOf(body);
    }

    bool Live(const SceneObject* e)
    {
        const auto all = Entries();
        return std::find(all.begin(), all.end(), e) != all.end();
    }

    void CullAt(std::uint32_t now)
    {
        clock.Set(now);
        scene.CullObjects();
    }

    RecordingObserver observer;
};

TEST_F(Cull, SleepingObjectsGoOneSecondAfterTheyAreSeenResting)
{
    const std::uint32_t t0 = clock.Now();
    SceneObject* e = Object(20.0f);
    e->body->SetAwake(false);

    CullAt(t0 + 1000);  // not settled yet: never resting at 1000 ms or less
    EXPECT_EQ(e->restDeadline, 0u);

    CullAt(t0 + 1001);
    EXPECT_EQ(e->restDeadline, t0 + 2001);
    CullAt(t0 + 2001);
    EXPECT_TRUE(Live(e));
    CullAt(t0 + 2002);
    EXPECT_FALSE(Live(e));
    ASSERT_EQ(observer.removed.size(), 1u);
    EXPECT_EQ(observer.removed[0].second, RemovalReason::Rest);
}

TEST_F(Cull, HeightRuleAppliesOnlyBelowFourAndBelowMovingSpeed)
{
    const std::uint32_t t0 = clock.Now();
    SceneObject* atFour = Object(4.0f);
    SceneObject* below = Object(3.99f);
    SceneObject* exactSpeed = Object(1.0f, b2Vec2(0.05f, 0.0f));
    SceneObject* slowHigh = Object(10.0f, b2Vec2(0.01f, 0.0f));
    CullAt(t0 + 1500);
    EXPECT_EQ(atFour->restDeadline, 0u);
    EXPECT_EQ(below->restDeadline, t0 + 2500);
    EXPECT_EQ(exactSpeed->restDeadline, 0u);
    EXPECT_EQ(slowHigh->restDeadline, 0u);
}

TEST_F(Cull, DeadlinesSurviveExactlyMovingSpeedAndClearAboveIt)
{
    const std::uint32_t t0 = clock.Now();
    SceneObject* keeps = Object(1.0f);
    SceneObject* clears = Object(1.0f);
    CullAt(t0 + 1500);
    ASSERT_NE(keeps->restDeadline, 0u);
    ASSERT_NE(clears->restDeadline, 0u);
    keeps->body->SetLinearVelocity(b2Vec2(0.0f, 0.05f));
    clears->body->SetLinearVelocity(b2Vec2(0.0f, 0.06f));
    CullAt(t0 + 1600);
    EXPECT_EQ(keeps->restDeadline, t0 + 2500);
    EXPECT_EQ(clears->restDeadline, 0u);
}

TEST_F(Cull, ADeadlineStillExpiresWhileCreepingAboveTheRestHeight)
{
    const std::uint32_t t0 = clock.Now();
    SceneObject* e = Object(1.0f);
    CullAt(t0 + 1500);
    ASSERT_EQ(e->restDeadline, t0 + 2500);
    e->body->SetTransform(b2Vec2(0.0f, 10.0f), 0.0f);
    e->body->SetLinearVelocity(b2Vec2(0.03f, 0.0f));
    CullAt(t0 + 2500);
    EXPECT_TRUE(Live(e));
    CullAt(t0 + 2501);
    EXPECT_FALSE(Live(e));
}

TEST_F(Cull, FallingBelowTheSceneRemovesEvenYoungObjects)
{
    const std::uint32_t t0 = clock.Now();
    SceneObject* edge = Object(-30.0f, b2Vec2(0.0f, -5.0f));
    SceneObject* past = Object(-30.01f, b2Vec2(0.0f, -5.0f));
    CullAt(t0);
    EXPECT_TRUE(Live(edge));
    ASSERT_FALSE(Live(past));
    EXPECT_EQ(observer.removed.back().second, RemovalReason::Fall);
}

TEST_F(Cull, NothingOutlivesItsLifetimeButPermanentEntries)
{
    const std::uint32_t t0 = clock.Now();
    SceneObject* e = Object(20.0f, b2Vec2(3.0f, 0.0f));
    scene.Conveyor()->SetTransform(b2Vec2(0.0f, -40.0f), 0.0f);  // scenery below the fall limit
    CullAt(t0 + 45000);
    EXPECT_TRUE(Live(e));
    e->body->SetLinearVelocity(b2Vec2(3.0f, 0.0f));
    CullAt(t0 + 45001);
    ASSERT_FALSE(Live(e));
    EXPECT_EQ(observer.removed.back().second, RemovalReason::Age);
    CullAt(t0 + 10000000);
    EXPECT_EQ(scene.ObjectCount(), 4);  // ground, conveyor and shelves stay
}

TEST_F(Cull, RestDeadlinesWorkAcrossTheCounterWrap)
{
    clock.Set(0xFFFFFFFFu - 1500u);
    SceneObject* e = Object(1.0f);
    const std::uint32_t t0 = e->createdAt;
    CullAt(t0 + 1001);  // deadline lands just past the wrap
    ASSERT_NE(e->restDeadline, 0u);
    CullAt(t0 + 1500);
    EXPECT_TRUE(Live(e));  // an unsigned comparison would have removed it here
    CullAt(t0 + 2002);
    EXPECT_FALSE(Live(e));
}

TEST_F(Cull, ASweepReachesEveryEntryWhenRemovalsTakeTheNextOne)
{
    // In a chain C0, C1, S01, C2, ... removing C1 takes S01, the entry right after it; in a pair
    // P1, P3, J13 removing P3 takes J13. The sweep must go on past the recycled records.
    for (int i = 0; i < 3; ++i) SpawnSpringChain(scene);
    SpawnRigidCluster(scene, 1);
    SceneObject* lone = Object(-50.0f);
    for (SceneObject* e : Entries()) {
        const bool keep = e->weight == 1 && e != lone;  // each group's first body stays put
        if (!e->permanent && e->body && !keep) e->body->SetTransform(b2Vec2(0.0f, -50.0f), 0.0f);
    }
    scene.CullObjects();
    EXPECT_EQ(scene.ObjectCount(), 4 + 3 + 1);
    EXPECT_FALSE(Live(lone));
    for (const SceneObject* e : Entries()) EXPECT_EQ(e->spring, nullptr);
    EXPECT_EQ(scene.World()->GetJointCount(), 0);
    const auto taken = std::count_if(observer.removed.begin(), observer.removed.end(),
                                     [](const auto& r) { return r.second == RemovalReason::TakenWith; });
    EXPECT_EQ(taken, 3 * 3 + 1);
}

TEST_F(Cull, RemovingOneChainCircleTakesOnlyItsOwnSprings)
{
    SpawnSpringChain(scene);
    auto all = Entries();
    // C0, C1, S01, C2, S12, C3, S23 after the four scenery entries.
    ASSERT_EQ(all.size(), 4u + 7u);
    SceneObject* c1 = all[5];
    scene.RemoveObject(c1);
    all = Entries();
    ASSERT_EQ(all.size(), 4u + 4u);
    EXPECT_NE(all[4]->body, nullptr);    // C0
    EXPECT_NE(all[5]->body, nullptr);    // C2
    EXPECT_NE(all[6]->body, nullptr);    // C3
    ASSERT_NE(all[7]->spring, nullptr);  // S23
    EXPECT_EQ(all[7]->spring->bodyA, all[5]->body);
    EXPECT_EQ(scene.Population(), 1);  // C0 carries the chain's weight
}

TEST_F(Cull, RemovingOneClusterCircleTakesOnlyItsOwnJoints)
{
    SpawnRigidCluster(scene, 6);
    auto all = Entries();
    ASSERT_GT(all.size(), 6u);
    const b2Body* p0 = all[6]->body;
    scene.RemoveObject(all[6]);
    all = Entries();
    // P0 had joints 1, 2 and 3; the other three stay with their entries.
    EXPECT_EQ(all.size(), 4u + 3u + 3u);
    EXPECT_EQ(scene.World()->GetJointCount(), 3);
    for (const SceneObject* e : all) {
        if (e->joint) {
            EXPECT_NE(e->joint->GetBodyA(), p0);
            EXPECT_NE(e->joint->GetBodyB(), p0);
        }
    }
}

}  // namespace
