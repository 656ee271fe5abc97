#include "scene/BodyBuilding.h"
#include "scene/Scene.h"
#include "scene/SceneColors.h"
#include "scene/SceneEntries.h"
#include "scene/Spawner.h"
#include "scene/WorldRecipe.h"

namespace {

// Counted as a full scene from the start, so the spawner leaves the cradle alone.
constexpr std::int32_t StartingPopulation = 100;
static_assert(StartingPopulation >= FullPopulation, "the cradle must never spawn");

// Eleven balls on rods under a bar; a few at each end start swinging outwards.
void BuildCradle(Scene& scene)
{
    b2World& world = *scene.World();
    int left = scene.Rng().Count(3.99f);
    const int right = scene.Rng().Count(3.99f);
    if (left + right == 0) left = 1;

    b2Body* firstAnchor = nullptr;
    b2Body* lastAnchor = nullptr;
    for (int k = -5; k <= 5; ++k) {
        const float x = static_cast<float>(k) * 2.05f;

        b2Body* ballBody = CreateBodyAt(world, b2_dynamicBody, x, 10.0f);
        b2CircleShape ballShape;
        ballShape.m_radius = 1.0f;
        AddShape(*ballBody, ballShape, 0.5f, 1.0f, 1000.0f);
        NewPermanentEntry(scene, ballBody, CradleBallFill, SceneryLine);

        if (k + 5 < left) ballBody->SetLinearVelocity(b2Vec2(-12.0f, 0.0f));
        if (5 - k < right) ballBody->SetLinearVelocity(b2Vec2(12.0f, 0.0f));

        // The anchor has no entry: it is neither drawn nor removed before the world goes.
        b2Body* anchor = CreateBodyAt(world, b2_staticBody, x, 20.0f);
        b2CircleShape pivot;
        pivot.m_radius = 0.01f;
        AddShape(*anchor, pivot, 0.2f, 0.0f, 0.0f);
        if (k == -5) firstAnchor = anchor;
        if (k == 5) lastAnchor = anchor;

        NewJointEntry(scene, CreateRigidJoint(world, ballBody, anchor, true), CradleRodLine);
    }
    // The bar joins two static bodies: no physical effect, it only draws the top beam.
    NewJointEntry(scene, CreateRigidJoint(world, firstAnchor, lastAnchor, false), CradleRodLine);
}

}  // namespace

// Rebuilt, with a new swing, just after every minute. The spawn rule is never reached.
const WorldRecipe NewtonsCradleRecipe{
    BuildCradle,
    {0, 23.99f},
    StartingPopulation,
    60000,
};
