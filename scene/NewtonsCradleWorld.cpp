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

        SceneObject* ball = AcquireObject();
        ball->owner = this;
        ball->permanent = true;
        ball->fillColor = CradleBallFill;
        ball->lineColor = SceneryLine;
        b2BodyDef ballDef;
        ballDef.type = b2_dynamicBody;
        ballDef.position.Set(x, 10.0f);
        b2Body* ballBody = m_world->CreateBody(&ballDef);
        b2CircleShape ballShape;
        ballShape.m_radius = 1.0f;
        b2FixtureDef ballFixture;
        ballFixture.shape = &ballShape;
        ballFixture.density = 1000.0f;
        ballFixture.friction = 0.5f;
        ballFixture.restitution = 1.0f;
        ballBody->CreateFixture(&ballFixture);
        ball->body = ballBody;
        LinkObject(ball);

        if (k + 5 < left) ballBody->SetLinearVelocity(b2Vec2(-12.0f, 0.0f));
        if (5 - k < right) ballBody->SetLinearVelocity(b2Vec2(12.0f, 0.0f));

        // The anchor has no entry: it is neither drawn nor removed before the world goes.
        b2BodyDef anchorDef;
        anchorDef.position.Set(x, 20.0f);
        b2Body* anchor = m_world->CreateBody(&anchorDef);
        b2CircleShape pivot;
        pivot.m_radius = 0.01f;
        b2FixtureDef pivotFixture;
        pivotFixture.shape = &pivot;
        pivotFixture.friction = 0.2f;
        pivotFixture.restitution = 0.0f;
        pivotFixture.density = 0.0f;
        anchor->CreateFixture(&pivotFixture);
        if (k == -5) firstAnchor = anchor;
        if (k == 5) lastAnchor = anchor;

        NewJointEntry(CreateRigidJoint(ballBody, anchor, true), CradleRodLine);
    }
    // The bar joins two static bodies: no physical effect, it only draws the top beam.
    NewJointEntry(CreateRigidJoint(firstAnchor, lastAnchor, false), CradleRodLine);
}
