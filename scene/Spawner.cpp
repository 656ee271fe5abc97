#include "scene/Spawner.h"

#include "scene/BodyBuilding.h"
#include "scene/Scene.h"
#include "scene/SceneColors.h"
#include "scene/SceneEntries.h"
#include "scene/WorldTable.h"

namespace {

constexpr float SpawnHeight = 33.0f;  // just above the top of the view

// The random sizes shared by clusters and chains; the gap is between circle surfaces.
struct GroupDraw {
    float radius;
    float density;
    float left;
    float spacing;  // centre to centre
};

GroupDraw DrawGroup(Random& random)
{
    GroupDraw g{};
    g.radius = random.Real(0.95f, 0.05f);
    g.density = random.Real(100.0f, 1.0f);
    g.left = random.Real(60.0f, -30.0f);
    const float gap = random.Real(1.95f, 0.15f);
    g.spacing = gap + 2.0f * g.radius;
    return g;
}

int DrawKind(Random& random, const SpawnRule& rule)
{
    for (int i = 0; i < rule.drawsBeforeKind; ++i) random.Next();
    return random.Count(rule.kindScale);
}

// A circle's radius is the first size; a box's half-extents are the two sizes. A circle
// ignores its second size and angle, but they are drawn all the same to keep the sequence.
void SpawnSingle(Scene& scene, ObjectShape shape)
{
    Random& random = scene.Rng();
    const float x = random.Real(60.0f, -30.0f);
    const float angle = random.Real(90.0f);
    const float density = random.Real(100.0f, 1.0f);
    const float second = random.Real(0.95f, 0.05f);
    const float first = random.Real(0.95f, 0.05f);
    scene.CreateObject(first, second, density, angle, x, SpawnHeight, shape, 1);
}

}  // namespace

void SpawnRandomObject(Scene& scene, WorldKind world)
{
    if (scene.Population() >= FullPopulation) return;

    const int kind = DrawKind(scene.Rng(), RecipeOf(world).spawn);
    if (kind <= 9) {
        SpawnCircle(scene);
    } else if (kind <= 19) {
        SpawnBox(scene);
    } else if (kind == 20) {
        SpawnRigidCluster(scene, 1);
    } else if (kind == 21) {
        SpawnRigidCluster(scene, 3);
    } else if (kind == 22) {
        SpawnRigidCluster(scene, 6);
    } else {
        SpawnSpringChain(scene);
    }
}

void SpawnCircle(Scene& scene)
{
    SpawnSingle(scene, ObjectShape::Circle);
}

void SpawnBox(Scene& scene)
{
    SpawnSingle(scene, ObjectShape::Box);
}

void SpawnRigidCluster(Scene& scene, int jointCount)
{
    const GroupDraw g = DrawGroup(scene.Rng());
    const float r = g.radius;
    const float right = g.left + g.spacing;
    const float top = SpawnHeight + g.spacing;

    b2Body* p[4] = {};
    p[1] = scene.CreateObject(r, r, g.density, 0.0f, right, SpawnHeight, ObjectShape::Circle, 1);
    p[3] = scene.CreateObject(r, r, g.density, 0.0f, right, top, ObjectShape::Circle, 0);
    if (jointCount == 3) {
        const float middle = SpawnHeight + g.spacing * 0.5f;
        p[0] = scene.CreateObject(r, r, g.density, 0.0f, g.left, middle, ObjectShape::Circle, 0);
    } else if (jointCount != 1) {
        p[0] = scene.CreateObject(r, r, g.density, 0.0f, g.left, SpawnHeight, ObjectShape::Circle, 0);
        p[2] = scene.CreateObject(r, r, g.density, 0.0f, g.left, top, ObjectShape::Circle, 0);
    }

    // Pair: 1-3. Triangle: adds 0-1, 0-3. Square: adds 2-0, 3-2, 1-2 (sides and diagonals).
    static const int joints[6][2] = {{1, 3}, {0, 1}, {0, 3}, {2, 0}, {3, 2}, {1, 2}};
    for (int i = 0; i < jointCount; ++i) {
        b2Joint* joint = CreateRigidJoint(*scene.World(), p[joints[i][0]], p[joints[i][1]], false);
        NewJointEntry(scene, joint, LinkLine);
    }
}

void SpawnSpringChain(Scene& scene)
{
    const GroupDraw g = DrawGroup(scene.Rng());
    b2Body* previous = nullptr;
    for (int i = 0; i < 4; ++i) {
        const float x = g.left + static_cast<float>(i) * g.spacing;
        b2Body* circle = scene.CreateObject(g.radius, g.radius, g.density, 0.0f, x, SpawnHeight, ObjectShape::Circle,
                                            i == 0 ? 1 : 0);
        if (previous) NewSpringEntry(scene, previous, circle, LinkLine);
        previous = circle;
    }
}
