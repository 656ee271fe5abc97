#include "scene/Spawner.h"
#include "tests/support/SceneFixture.h"

#include <cmath>

namespace {

class Tick : public SceneFixture {
protected:
    Tick() { scene.ResetWorld(WorldKind::Cascadium); }

    int StepsOfTickAt(std::uint32_t now, WorldKind world = WorldKind::Cascadium)
    {
        const std::uint64_t before = scene.StepCount();
        clock.Set(now);
        scene.TickScene(world);
        return static_cast<int>(scene.StepCount() - before);
    }

    // A spring of the chains' strength between two light discs at height 20.
    Spring SpringBetweenDiscsAt(float xA, float xB, float restLength)
    {
        Spring spring;
        spring.bodyA = scene.CreateObject(0.5f, 0.5f, 1.0f, 0.0f, xA, 20.0f, ObjectShape::Circle, 1);
        spring.bodyB = scene.CreateObject(0.5f, 0.5f, 1.0f, 0.0f, xB, 20.0f, ObjectShape::Circle, 0);
        spring.stiffness = 500.0f;
        spring.damping = 10.0f;
        spring.restLength = restLength;
        return spring;
    }
};

TEST_F(Tick, FiftyMillisecondsRunThreeOrFourSteps)
{
    scene.SetPopulation(40);  // no spawning: only the clock matters here
    std::uint32_t now = clock.Now();
    int total = 0;
    for (int i = 0; i < 100; ++i) {
        now += 50;
        const int steps = StepsOfTickAt(now);
        EXPECT_TRUE(steps == 3 || steps == 4) << steps;
        total += steps;
    }
    EXPECT_EQ(total, 313);  // every period that began before now: ceil(5000 / 16)
    // A tick that finds the clock equal to the next step time runs no step, but still redraws.
    const int redraws = shell.redraws;
    EXPECT_EQ(StepsOfTickAt(scene.NextStepTime()), 0);
    EXPECT_EQ(shell.redraws, redraws + 1);
    // One second without ticks is made up in the next one.
    const int steps = StepsOfTickAt(clock.Now() + 1000);
    EXPECT_TRUE(steps == 62 || steps == 63) << steps;
}

TEST_F(Tick, StepClockSurvivesTheCounterWrap)
{
    scene.SetPopulation(40);
    clock.Set(0xFFFFFFFFu - 120u);
    scene.ResetWorld(WorldKind::Cascadium);
    scene.SetPopulation(40);
    // The step clock was seeded long before; catch up to the clock first.
    StepsOfTickAt(clock.Now());
    std::uint32_t now = clock.Now();
    int total = 0;
    for (int i = 0; i < 10; ++i) {
        now += 50;
        const int steps = StepsOfTickAt(now);
        EXPECT_TRUE(steps == 3 || steps == 4) << "tick " << i << ": " << steps;
        total += steps;
    }
    EXPECT_GE(total, 31);
    EXPECT_LE(total, 32);
}

TEST_F(Tick, LongPausesAreBoundedAndResynchronised)
{
    scene.SetPopulation(40);
    const int steps = StepsOfTickAt(clock.Now() + 8u * 3600u * 1000u);  // a night asleep
    EXPECT_EQ(steps, 125);
    // The clock is in step again: the next tick is an ordinary one.
    const int next = StepsOfTickAt(clock.Now() + 50);
    EXPECT_TRUE(next == 3 || next == 4) << next;
    // A clock that jumps backwards does not freeze the scene until it catches up.
    const int back = StepsOfTickAt(clock.Now() - 100000);
    EXPECT_EQ(back, 0);
    const int after = StepsOfTickAt(clock.Now() + 50);
    EXPECT_TRUE(after == 3 || after == 4) << after;
}

TEST(TickWithoutWorld, DoesNothing)
{
    ManualClock clock(100);
    RecordingShell shell;
    Scene scene(clock, shell);
    clock.Advance(1000);
    scene.TickScene(WorldKind::Cascadium);
    EXPECT_EQ(scene.StepCount(), 0u);
    EXPECT_EQ(scene.ObjectCount(), 0);
    EXPECT_EQ(shell.redraws, 0);
}

TEST_F(Tick, SwitchingWorldsKeepsTheStepClock)
{
    const std::uint32_t next = scene.NextStepTime();
    scene.ResetWorld(WorldKind::PachinkoMachine);
    EXPECT_EQ(scene.NextStepTime(), next);
}

TEST_F(Tick, CradleIsRebuiltJustAfterAMinute)
{
    const std::uint32_t built = clock.Now();
    scene.ResetWorld(WorldKind::NewtonsCradle);
    const SceneObject* ground = scene.FirstObject();
    ASSERT_EQ(ground->createdAt, built);

    StepsOfTickAt(built + 60000, WorldKind::NewtonsCradle);
    EXPECT_EQ(scene.FirstObject()->createdAt, built);  // not yet

    const int redraws = shell.redraws;
    const std::uint32_t next = scene.NextStepTime();
    clock.Set(built + 60001);
    scene.TickScene(WorldKind::NewtonsCradle);
    EXPECT_EQ(scene.FirstObject()->createdAt, built + 60001);
    EXPECT_EQ(scene.ObjectCount(), 25);
    EXPECT_EQ(scene.NextStepTime(), next);  // no step
    EXPECT_EQ(shell.redraws, redraws);      // and no redraw
}

TEST_F(Tick, ConveyorDrivesLeftAndWrapsBelowMinusTen)
{
    b2Body* conveyor = scene.Conveyor();
    scene.StepWorld();
    EXPECT_NEAR(conveyor->GetPosition().x, -0.05f, 1e-4f);
    EXPECT_FLOAT_EQ(conveyor->GetLinearVelocity().x, -3.0f);

    conveyor->SetTransform(b2Vec2(-10.0f, -0.5f), 0.0f);
    scene.StepWorld();
    EXPECT_NEAR(conveyor->GetPosition().x, -10.05f, 1e-4f);  // exactly -10 stays

    const float y = conveyor->GetPosition().y;
    scene.StepWorld();  // now below -10: back to 0, and the step moves it on
    EXPECT_NEAR(conveyor->GetPosition().x, -0.05f, 1e-4f);
    EXPECT_NEAR(conveyor->GetPosition().y, y, 1e-2f);
    EXPECT_NEAR(conveyor->GetAngle(), 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(conveyor->GetLinearVelocity().x, -3.0f);

    // Asleep or not, the conveyor is woken every step.
    conveyor->SetAwake(false);
    scene.StepWorld();
    EXPECT_TRUE(conveyor->IsAwake());
}

TEST_F(Tick, SpringForcePullsStretchedAndPushesCompressedBodies)
{
    Spring spring = SpringBetweenDiscsAt(0.0f, 3.0f, 2.0f);  // stretched by 1: pull together with 500
    b2Body* a = spring.bodyA;
    b2Body* b = spring.bodyB;
    a->SetAwake(false);
    b->SetLinearVelocity(b2Vec2(1.0f, 0.0f));  // moving apart at 1: damping pulls with 10 more

    Scene::ApplySpringForce(spring);
    EXPECT_TRUE(a->IsAwake());
    EXPECT_TRUE(b->IsAwake());
    // The force reaches the bodies through the next step: a moves right, b slows and turns left.
    scene.World()->SetGravity(b2Vec2(0.0f, 0.0f));
    scene.World()->Step(1.0f / 60.0f, 5, 5);
    const float impulse = (500.0f + 10.0f) / 60.0f;
    EXPECT_NEAR(a->GetLinearVelocity().x, impulse / a->GetMass(), 1e-4f);
    EXPECT_NEAR(b->GetLinearVelocity().x, 1.0f - impulse / b->GetMass(), 1e-4f);
    EXPECT_NEAR(a->GetAngularVelocity(), 0.0f, 1e-4f);  // applied on the line of action

    spring.restLength = 4.0f;  // compressed: push apart
    a->SetLinearVelocity(b2Vec2_zero);
    b->SetLinearVelocity(b2Vec2_zero);
    Scene::ApplySpringForce(spring);
    scene.World()->Step(1.0f / 60.0f, 5, 5);
    EXPECT_LT(a->GetLinearVelocity().x, 0.0f);
    EXPECT_GT(b->GetLinearVelocity().x, 0.0f);
}

TEST_F(Tick, SpringBetweenCoincidentOriginsStaysFinite)
{
    const Spring spring = SpringBetweenDiscsAt(5.0f, 5.0f, 1.0f);
    Scene::ApplySpringForce(spring);
    scene.World()->Step(1.0f / 60.0f, 5, 5);
    for (const b2Body* body : {spring.bodyA, spring.bodyB}) {
        EXPECT_TRUE(std::isfinite(body->GetPosition().x));
        EXPECT_TRUE(std::isfinite(body->GetLinearVelocity().x));
        EXPECT_TRUE(std::isfinite(body->GetLinearVelocity().y));
    }
}

TEST_F(Tick, SpringsActOnlyAfterTheirFirstStep)
{
    scene.World()->SetGravity(b2Vec2(0.0f, 0.0f));
    SpawnSpringChain(scene);
    const b2Body* c0 = Entries()[4]->body;
    scene.StepWorld();
    EXPECT_EQ(c0->GetLinearVelocity(), b2Vec2(0.0f, 0.0f));  // at rest length: no force yet anyway
    b2Body* c1 = Entries()[5]->body;
    c1->SetLinearVelocity(b2Vec2(5.0f, 0.0f));  // stretch the first spring
    scene.StepWorld();
    scene.StepWorld();
    EXPECT_GT(c0->GetLinearVelocity().x, 0.0f);
}

}  // namespace
