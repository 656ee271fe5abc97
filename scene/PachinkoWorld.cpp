#include "scene/BodyBuilding.h"
#include "scene/Scene.h"
#include "scene/SceneColors.h"
#include "scene/SceneEntries.h"
#include "scene/WorldRecipe.h"

namespace {

constexpr int PinsPerBody = 50;

b2Body* NewPinBody(b2World& world)
{
    return CreateBodyAt(world, b2_staticBody, 0.0f, 0.0f);
}

// A staggered field of 180 pins, 50 to a static body so no body's fixture list grows long.
void BuildPins(Scene& scene)
{
    b2World& world = *scene.World();
    b2CircleShape pin;
    pin.m_radius = 0.25f;

    b2Body* body = NewPinBody(world);
    int pinsOnBody = 0;
    bool shifted = true;
    for (float y = 30.0f; y > 3.0f; y -= 3.0f) {
        const float shift = shifted ? 1.5f : 0.0f;
        for (float x = -30.0f; x < 30.0f; x += 3.0f) {
            pin.m_p.Set(x + shift, y);
            AddShape(*body, pin, 0.0f, 1.0f, 0.0f);
            if (++pinsOnBody == PinsPerBody) {
                NewPermanentEntry(scene, body, SceneryFill, SceneryLine);
                body = NewPinBody(world);
                pinsOnBody = 0;
            }
        }
        shifted = !shifted;
    }
    if (pinsOnBody > 0) NewPermanentEntry(scene, body, SceneryFill, SceneryLine);
}

}  // namespace

// Circles and boxes only: a first draw that only moves the generator on, then the kind from a
// scale that stops short of the clusters and chains. Spawned from an empty start; never rebuilt.
const WorldRecipe PachinkoRecipe{
    BuildPins,
    {1, 19.99f},
    0,
    std::nullopt,
};
