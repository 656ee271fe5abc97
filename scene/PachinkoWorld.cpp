#include "BodyBuilding.h"
#include "Scene.h"
#include "SceneColors.h"

namespace {

constexpr int PinsPerBody = 50;

b2Body* NewPinBody(b2World& world)
{
    return CreateBodyAt(world, b2_staticBody, 0.0f, 0.0f);
}

}  // namespace

// A staggered field of 180 pins, 50 to a static body so no body's fixture list grows long.
void Scene::BuildPins()
{
    b2CircleShape pin;
    pin.m_radius = 0.25f;

    b2Body* body = NewPinBody(*m_world);
    int pinsOnBody = 0;
    bool shifted = true;
    for (float y = 30.0f; y > 3.0f; y -= 3.0f) {
        const float shift = shifted ? 1.5f : 0.0f;
        for (float x = -30.0f; x < 30.0f; x += 3.0f) {
            pin.m_p.Set(x + shift, y);
            AddShape(*body, pin, 0.0f, 1.0f, 0.0f);
            if (++pinsOnBody == PinsPerBody) {
                NewPermanentEntry(body, SceneryFill, SceneryLine);
                body = NewPinBody(*m_world);
                pinsOnBody = 0;
            }
        }
        shifted = !shifted;
    }
    if (pinsOnBody > 0) NewPermanentEntry(body, SceneryFill, SceneryLine);
}
