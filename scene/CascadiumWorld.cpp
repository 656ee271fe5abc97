#include "scene/BodyBuilding.h"
#include "scene/Scene.h"
#include "scene/SceneColors.h"
#include "scene/SceneEntries.h"
#include "scene/WorldRecipe.h"

namespace {

// Two tilted shelves: objects falling from above roll to the middle and on to the conveyor.
void BuildShelves(Scene& scene)
{
    const int sides[2][2] = {{-1, +1}, {+1, -1}};
    for (const auto& side : sides) {
        const int s = side[0];
        const int n = side[1];
        const auto y = static_cast<float>((static_cast<double>(0.2f) * n + static_cast<double>(0.55f)) * 30);
        const auto angle = static_cast<float>(s * 15 * static_cast<double>(3.1415925f) / 180);
        b2Body* shelf = CreateBodyAt(*scene.World(), b2_staticBody, static_cast<float>(21 * s), y, angle);

        // A bar 45 long and 1.7 thick with a half-disc at each end.
        b2CircleShape end;
        end.m_radius = 0.85f;
        end.m_p.Set(22.5f, 0.0f);
        AddShape(*shelf, end, 0.2f, 0.0f, 0.0f);
        end.m_p.Set(-22.5f, 0.0f);
        AddShape(*shelf, end, 0.2f, 0.0f, 0.0f);
        b2PolygonShape bar;
        bar.SetAsBox(22.5f, 0.85f);
        AddShape(*shelf, bar, 0.1f, 0.0f, 0.0f);

        NewPermanentEntry(scene, shelf, SceneryFill, SceneryLine);
    }
}

}  // namespace

// Every kind of object, spawned from an empty start; never rebuilt.
const WorldRecipe CascadiumRecipe{
    BuildShelves,
    {0, 23.99f},
    0,
    std::nullopt,
};
