#include "BodyBuilding.h"
#include "Scene.h"
#include "SceneColors.h"

// Eleven balls on rods under a bar; a few at each end start swinging outwards.
void Scene::BuildCradle()
{
    int left = m_random.Count(3.99f);
    const int right = m_random.Count(3.99f);
    if (left + right == 0) left = 1;

    b2Body* firstAnchor = nullptr;
    b2Body* lastAnchor = nullptr;
    for (int k = -5; k <= 5; ++k) {
        const float x = static_cast<float>(k) * 2.05f;

        b2Body* ballBody = CreateBodyAt(*m_world, b2_dynamicBody, x, 10.0f);
        b2CircleShape ballShape;
        ballShape.m_radius = 1.0f;
        AddShape(*ballBody, ballShape, 0.5f, 1.0f, 1000.0f);
        NewPermanentEntry(ballBody, CradleBallFill, SceneryLine);

        if (k + 5 < left) ballBody->SetLinearVelocity(b2Vec2(-12.0f, 0.0f));
        if (5 - k < right) ballBody->SetLinearVelocity(b2Vec2(12.0f, 0.0f));

        // The anchor has no entry: it is neither drawn nor removed before the world goes.
        b2Body* anchor = CreateBodyAt(*m_world, b2_staticBody, x, 20.0f);
        b2CircleShape pivot;
        pivot.m_radius = 0.01f;
        AddShape(*anchor, pivot, 0.2f, 0.0f, 0.0f);
        if (k == -5) firstAnchor = anchor;
        if (k == 5) lastAnchor = anchor;

        NewJointEntry(CreateRigidJoint(ballBody, anchor, true), CradleRodLine);
    }
    // The bar joins two static bodies: no physical effect, it only draws the top beam.
    NewJointEntry(CreateRigidJoint(firstAnchor, lastAnchor, false), CradleRodLine);
}
