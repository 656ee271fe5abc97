#include "scene/BodyBuilding.h"
#include "scene/Scene.h"
#include "scene/SceneColors.h"
#include "scene/SceneEntries.h"
#include "scene/WorldTable.h"

void Scene::ResetWorld(WorldKind world)
{
    ClearScene();

    // Box2D 2.4 worlds are unbounded, so the old bounding box has no counterpart here.
    m_world = std::make_unique<b2World>(b2Vec2(0.0f, -10.0f));
    m_world->SetAllowSleeping(true);
    m_world->SetDestructionListener(this);

    b2Body* ground = CreateBodyAt(*m_world, b2_staticBody, 0.0f, -10.0f);
    b2PolygonShape groundBox;
    groundBox.SetAsBox(50.0f, 9.0f);
    AddShape(*ground, groundBox, 0.0f, 0.0f, 0.0f);  // frictionless: the conveyor slides on it
    NewPermanentEntry(*this, ground, SceneryFill, SceneryLine);

    b2Body* conveyor = CreateBodyAt(*m_world, b2_dynamicBody, 0.0f, -0.5f);
    b2PolygonShape slab;
    slab.SetAsBox(50.0f, 0.5f);
    AddShape(*conveyor, slab, 1.0f, 0.0f, 1.0f);
    NewPermanentEntry(*this, conveyor, SceneryFill, SceneryLine);
    m_conveyor = conveyor;

    for (WorldKind each : EveryWorld) m_shell.CheckWorldItem(each, false);
    m_shell.CheckWorldItem(world, true);

    const WorldRecipe& recipe = RecipeOf(world);
    m_population = recipe.startingPopulation;
    recipe.build(*this);
}
