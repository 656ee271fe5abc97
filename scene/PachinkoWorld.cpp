#include "Scene.h"
#include "SceneColors.h"

namespace {

constexpr int PinsPerBody = 50;

b2Body* NewPinBody(b2World& world)
{
    b2BodyDef def;
    def.position.Set(0.0f, 0.0f);
    return world.CreateBody(&def);
}

}  // namespace

// A staggered field of 180 pins, 50 to a static body so no body's fixture list grows long.
void Scene::BuildPins()
{
    b2CircleShape pin;
    pin.m_radius = 0.25f;
    b2FixtureDef fixture;
    fixture.shape = &pin;
    fixture.friction = 0.0f;
    fixture.restitution = 1.0f;
    fixture.density = 0.0f;

    b2Body* body = NewPinBody(*m_world);
    int pinsOnBody = 0;
    bool shifted = true;
    for (float y = 30.0f; y > 3.0f; y -= 3.0f) {
        const float shift = shifted ? 1.5f : 0.0f;
        for (float x = -30.0f; x < 30.0f; x += 3.0f) {
            pin.m_p.Set(x + shift, y);
            body->CreateFixture(&fixture);
            if (++pinsOnBody == PinsPerBody) {
                NewScenery(body, SceneryFill, SceneryLine);
                body = NewPinBody(*m_world);
                pinsOnBody = 0;
            }
        }
        shifted = !shifted;
    }
    if (pinsOnBody > 0) NewScenery(body, SceneryFill, SceneryLine);
}
