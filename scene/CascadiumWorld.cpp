#include "Scene.h"
#include "SceneColors.h"

// Two tilted shelves: objects falling from above roll to the middle and on to the conveyor.
void Scene::BuildShelves()
{
    const int sides[2][2] = {{-1, +1}, {+1, -1}};
    for (const auto& side : sides) {
        const int s = side[0];
        const int n = side[1];
        b2BodyDef def;
        def.position.Set(static_cast<float>(21 * s),
                         static_cast<float>((static_cast<double>(0.2f) * n + static_cast<double>(0.55f)) * 30));
        def.angle = static_cast<float>(s * 15 * static_cast<double>(3.1415925f) / 180);
        b2Body* shelf = m_world->CreateBody(&def);

        b2FixtureDef fixture;
        fixture.restitution = 0.0f;
        fixture.density = 0.0f;

        b2CircleShape end;
        end.m_radius = 0.85f;
        fixture.shape = &end;
        fixture.friction = 0.2f;
        end.m_p.Set(22.5f, 0.0f);
        shelf->CreateFixture(&fixture);
        end.m_p.Set(-22.5f, 0.0f);
        shelf->CreateFixture(&fixture);

        b2PolygonShape bar;
        bar.SetAsBox(22.5f, 0.85f);
        fixture.shape = &bar;
        fixture.friction = 0.1f;
        shelf->CreateFixture(&fixture);

        NewScenery(shelf, SceneryFill, SceneryLine);
    }
}
