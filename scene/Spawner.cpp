#include "Scene.h"
#include "SceneColors.h"

namespace {

constexpr std::int32_t FullPopulation = 40;
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

}  // namespace

void Scene::SpawnRandomObject(int world)
{
    if (m_population >= FullPopulation) return;

    int kind = m_random.Count(23.99f);
    if (world == PachinkoMachine) kind = m_random.Count(19.99f);  // circles and boxes only

    if (kind <= 9) {
        SpawnCircle();
    } else if (kind <= 19) {
        SpawnBox();
    } else if (kind == 20) {
        SpawnRigidCluster(1);
    } else if (kind == 21) {
        SpawnRigidCluster(3);
    } else if (kind == 22) {
        SpawnRigidCluster(6);
    } else {
        SpawnSpringChain();
    }
}

void Scene::SpawnCircle()
{
    SpawnSingle(ObjectShape::Circle);
}

void Scene::SpawnBox()
{
    SpawnSingle(ObjectShape::Box);
}

// A circle's radius is the first size; a box's half-extents are the two sizes. A circle
// ignores its second size and angle, but they are drawn all the same to keep the sequence.
void Scene::SpawnSingle(ObjectShape shape)
{
    const float x = m_random.Real(60.0f, -30.0f);
    const float angle = m_random.Real(90.0f);
    const float density = m_random.Real(100.0f, 1.0f);
    const float second = m_random.Real(0.95f, 0.05f);
    const float first = m_random.Real(0.95f, 0.05f);
    CreateObject(first, second, density, angle, x, SpawnHeight, shape, 1);
}

void Scene::SpawnRigidCluster(int jointCount)
{
    const GroupDraw g = DrawGroup(m_random);
    const float r = g.radius;
    const float right = g.left + g.spacing;
    const float top = SpawnHeight + g.spacing;

    b2Body* p[4] = {};
    p[1] = CreateObject(r, r, g.density, 0.0f, right, SpawnHeight, ObjectShape::Circle, 1);
    p[3] = CreateObject(r, r, g.density, 0.0f, right, top, ObjectShape::Circle, 0);
    if (jointCount == 3) {
        p[0] = CreateObject(r, r, g.density, 0.0f, g.left, SpawnHeight + g.spacing * 0.5f, ObjectShape::Circle, 0);
    } else if (jointCount != 1) {
        p[0] = CreateObject(r, r, g.density, 0.0f, g.left, SpawnHeight, ObjectShape::Circle, 0);
        p[2] = CreateObject(r, r, g.density, 0.0f, g.left, top, ObjectShape::Circle, 0);
    }

    // Pair: 1-3. Triangle: adds 0-1, 0-3. Square: adds 2-0, 3-2, 1-2 (sides and diagonals).
    static const int joints[6][2] = {{1, 3}, {0, 1}, {0, 3}, {2, 0}, {3, 2}, {1, 2}};
    for (int i = 0; i < jointCount; ++i) {
        b2Joint* joint = CreateRigidJoint(p[joints[i][0]], p[joints[i][1]], false);
        NewJointEntry(joint, LinkLine);
    }
}

void Scene::SpawnSpringChain()
{
    const GroupDraw g = DrawGroup(m_random);
    b2Body* previous = nullptr;
    for (int i = 0; i < 4; ++i) {
        const float x = g.left + static_cast<float>(i) * g.spacing;
        b2Body* circle = CreateObject(g.radius, g.radius, g.density, 0.0f, x, SpawnHeight, ObjectShape::Circle,
                                      i == 0 ? 1 : 0);
        if (previous) {
            SceneObject* e = AcquireObject();
            e->owner = this;
            e->lineColor = LinkLine;
            Spring* spring = AcquireSpring();
            spring->bodyA = previous;
            spring->bodyB = circle;
            float length = (circle->GetPosition() - previous->GetPosition()).Length();
            if (length < b2_epsilon) length = 0.0f;
            spring->restLength = length;
            e->spring = spring;
            LinkObject(e);
        }
        previous = circle;
    }
}
