#include "BodyBuilding.h"
#include "Scene.h"
#include "SceneColors.h"

SceneObject* Scene::NewPermanentEntry(b2Body* body, ColorRef fill, ColorRef line)
{
    SceneObject* e = AcquireObject();
    e->owner = this;
    e->permanent = true;
    e->fillColor = fill;
    e->lineColor = line;
    e->body = body;
    LinkObject(e);
    return e;
}

SceneObject* Scene::NewJointEntry(b2Joint* joint, ColorRef line)
{
    SceneObject* e = AcquireObject();
    e->owner = this;
    e->lineColor = line;
    e->joint = joint;
    LinkObject(e);
    return e;
}

b2Joint* Scene::CreateRigidJoint(b2Body* a, b2Body* b, bool collideConnected)
{
    b2DistanceJointDef def;
    def.bodyA = a;
    def.bodyB = b;
    def.localAnchorA.SetZero();
    def.localAnchorB.SetZero();
    float length = (b->GetPosition() - a->GetPosition()).Length();
    if (length < b2_epsilon) length = 0.0f;
    // No stiffness and equal limits: a rod of fixed length, not a spring.
    def.length = length;
    def.minLength = length;
    def.maxLength = length;
    def.stiffness = 0.0f;
    def.damping = 0.0f;
    def.collideConnected = collideConnected;
    return m_world->CreateJoint(&def);
}

void Scene::ResetWorld(int world)
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
    NewPermanentEntry(ground, SceneryFill, SceneryLine);

    b2Body* conveyor = CreateBodyAt(*m_world, b2_dynamicBody, 0.0f, -0.5f);
    b2PolygonShape slab;
    slab.SetAsBox(50.0f, 0.5f);
    AddShape(*conveyor, slab, 1.0f, 0.0f, 1.0f);
    NewPermanentEntry(conveyor, SceneryFill, SceneryLine);
    m_conveyor = conveyor;

    m_shell.CheckWorldItem(CmdCascadium, false);
    m_shell.CheckWorldItem(CmdNewtonsCradle, false);
    m_shell.CheckWorldItem(CmdPachinkoMachine, false);

    switch (world) {
    case Cascadium:
        m_shell.CheckWorldItem(CmdCascadium, true);
        m_population = 0;
        BuildShelves();
        break;
    case NewtonsCradle:
        m_shell.CheckWorldItem(CmdNewtonsCradle, true);
        m_population = 100;  // keeps the spawner idle
        BuildCradle();
        break;
    case PachinkoMachine:
        m_shell.CheckWorldItem(CmdPachinkoMachine, true);
        m_population = 0;
        BuildPins();
        break;
    default:
        break;
    }
}
