#include "scene/SceneColors.h"
#include "scene/SceneEntries.h"
#include "tests/support/SceneFixture.h"

namespace {

class SceneModel : public SceneFixture {
protected:
    SceneModel() { scene.ResetWorld(WorldKind::Cascadium); }

    b2Body* Drop(float density = 50.0f, ObjectShape shape = ObjectShape::Circle, float x = 0.0f)
    {
        return scene.CreateObject(0.5f, 0.5f, density, 40.0f, x, 20.0f, shape, 1);
    }
};

TEST_F(SceneModel, ColoursFollowDensity)
{
    struct Case {
        float density;
        ColorRef fill, line, mark;
    };
    const Case cases[] = {
        {1.0f, Rgb(254, 254, 254), Rgb(190, 190, 190), Rgb(222, 222, 254)},
        {50.0f, Rgb(192, 192, 192), Rgb(128, 128, 128), Rgb(160, 160, 192)},
        {101.0f, Rgb(128, 128, 128), Rgb(64, 64, 64), Rgb(96, 96, 128)},
    };
    for (const Case& c : cases) {
        SceneObject* e = EntryOf(Drop(c.density));
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->fillColor, c.fill) << c.density;
        EXPECT_EQ(e->lineColor, c.line) << c.density;
        EXPECT_EQ(e->markColor, c.mark) << c.density;
        EXPECT_FALSE(e->permanent);
        EXPECT_EQ(e->owner, &scene);
    }
}

TEST_F(SceneModel, CreateObjectMakesOneDynamicBodyWithTheRecipe)
{
    b2Body* circle = Drop(50.0f, ObjectShape::Circle);
    EXPECT_EQ(circle->GetAngle(), 0.0f);  // a circle ignores the angle
    EXPECT_EQ(circle->GetType(), b2_dynamicBody);
    const b2Fixture* f = circle->GetFixtureList();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetNext(), nullptr);
    EXPECT_EQ(f->GetShape()->GetType(), b2Shape::e_circle);
    EXPECT_FLOAT_EQ(f->GetShape()->m_radius, 0.5f);
    EXPECT_FLOAT_EQ(f->GetFriction(), 1.0f);
    EXPECT_FLOAT_EQ(f->GetRestitution(), 0.1f);
    EXPECT_GT(circle->GetMass(), 0.0f);

    b2Body* box = Drop(50.0f, ObjectShape::Box);
    EXPECT_FLOAT_EQ(box->GetAngle(), 40.0f * 0.017453292f);
    EXPECT_EQ(box->GetFixtureList()->GetShape()->GetType(), b2Shape::e_polygon);
    EXPECT_FLOAT_EQ(box->GetFixtureList()->GetFriction(), 0.3f);
    EXPECT_FLOAT_EQ(box->GetMass(), 50.0f);  // 1 x 1 at density 50
}

TEST_F(SceneModel, WeightCountsTowardPopulationWhileLive)
{
    const int count = scene.ObjectCount();
    b2Body* body = Drop();
    EXPECT_EQ(scene.Population(), 1);
    EXPECT_EQ(scene.ObjectCount(), count + 1);
    scene.RemoveObject(EntryOf(body));
    EXPECT_EQ(scene.Population(), 0);
    EXPECT_EQ(scene.ObjectCount(), count);
}

TEST_F(SceneModel, FreeListReturnsRecordsFirstInFirstOut)
{
    SceneObject* a = EntryOf(Drop());
    SceneObject* b = EntryOf(Drop());
    SceneObject* c = EntryOf(Drop());
    scene.RemoveObject(a);
    scene.RemoveObject(b);
    scene.RemoveObject(c);
    const std::size_t allocated = scene.ObjectRecordsAllocated();
    EXPECT_EQ(scene.AcquireObject(), a);
    EXPECT_EQ(scene.AcquireObject(), b);
    SceneObject* again = scene.AcquireObject();
    EXPECT_EQ(again, c);
    EXPECT_EQ(scene.ObjectRecordsAllocated(), allocated);
    // A recycled record comes back cleared, owned by the scene and stamped with the current time.
    clock.Advance(123);
    scene.RemoveObject(EntryOf(Drop()));
    SceneObject* reused = scene.AcquireObject();
    EXPECT_EQ(reused->body, nullptr);
    EXPECT_EQ(reused->weight, 0);
    EXPECT_EQ(reused->fillColor, 0u);
    EXPECT_EQ(reused->owner, &scene);
    EXPECT_EQ(reused->createdAt, clock.Now());
}

TEST_F(SceneModel, RemovingABodyTakesItsSpringsFirst)
{
    b2Body* a = Drop(50.0f, ObjectShape::Circle, -2.0f);
    b2Body* b = Drop(50.0f, ObjectShape::Circle, 0.0f);
    b2Body* c = Drop(50.0f, ObjectShape::Circle, 2.0f);
    SceneObject* ab = NewSpringEntry(scene, a, b, LinkLine);
    SceneObject* bc = NewSpringEntry(scene, b, c, LinkLine);
    Spring* springAb = ab->spring;
    Spring* springBc = bc->spring;
    const int count = scene.ObjectCount();

    scene.RemoveObject(EntryOf(b));

    EXPECT_EQ(scene.ObjectCount(), count - 3);
    EXPECT_EQ(scene.World()->GetBodyCount(), 4 + 2);  // ground, conveyor, two shelves, a, c
    for (SceneObject* e : Entries()) EXPECT_EQ(e->spring, nullptr);
    // Both springs went back to their free list, in order.
    EXPECT_EQ(scene.AcquireSpring(), springAb);
    EXPECT_EQ(scene.AcquireSpring(), springBc);
    EXPECT_EQ(scene.SpringRecordsAllocated(), 2u);
}

TEST_F(SceneModel, RemovingAJointEntryLeavesTheJoint)
{
    b2Body* a = Drop(50.0f, ObjectShape::Circle, -2.0f);
    b2Body* b = Drop(50.0f, ObjectShape::Circle, 2.0f);
    b2DistanceJointDef def;
    def.Initialize(a, b, a->GetPosition(), b->GetPosition());
    SceneObject* e = scene.AcquireObject();
    e->joint = scene.World()->CreateJoint(&def);
    scene.LinkObject(e);

    scene.RemoveObject(e);
    EXPECT_EQ(scene.World()->GetJointCount(), 1);
    // Destroying a body later reports a joint no entry holds: nothing else changes.
    const int count = scene.ObjectCount();
    scene.RemoveObject(EntryOf(a));
    EXPECT_EQ(scene.ObjectCount(), count - 1);
    EXPECT_EQ(scene.World()->GetJointCount(), 0);
}

TEST_F(SceneModel, ReleaseOfAnEmptyEntryOnlySubtractsItsWeight)
{
    SceneObject* e = scene.AcquireObject();
    e->weight = 3;
    scene.LinkObject(e);
    EXPECT_EQ(scene.Population(), 3);
    scene.ReleaseObject(e);
    EXPECT_EQ(scene.Population(), 0);
    EXPECT_EQ(scene.LastObject(), e);  // release neither unlinks nor recycles
}

TEST_F(SceneModel, ClearSceneEmptiesEverything)
{
    Drop();
    scene.ClearScene();
    EXPECT_EQ(scene.World(), nullptr);
    EXPECT_EQ(scene.FirstObject(), nullptr);
    EXPECT_EQ(scene.LastObject(), nullptr);
    EXPECT_EQ(scene.ObjectCount(), 0);
    EXPECT_EQ(scene.Population(), 0);
    // Without a world it changes nothing.
    scene.ClearScene();
    EXPECT_EQ(scene.ObjectCount(), 0);
}

TEST(SceneWithoutWorld, ClearSceneIsANoOp)
{
    ManualClock clock(5);
    RecordingShell shell;
    Scene scene(clock, shell);
    SceneObject* e = scene.AcquireObject();
    e->weight = 2;
    scene.LinkObject(e);
    scene.ClearScene();  // no world: the stray entry stays
    EXPECT_EQ(scene.ObjectCount(), 1);
    EXPECT_EQ(scene.Population(), 2);
    EXPECT_EQ(scene.NextStepTime(), 5u);
}

}  // namespace
