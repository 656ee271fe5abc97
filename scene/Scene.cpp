#include "scene/Scene.h"

#include "scene/BodyBuilding.h"

#include <cmath>

Scene::Scene(const Clock& clock, SceneShell& shell) : m_clock(clock), m_shell(shell), m_nextStepTime(clock.Now())
{
    m_random.Seed(clock.Now());
}

Scene::~Scene()
{
    ClearScene();
}

SceneObject* Scene::AcquireObject()
{
    SceneObject* e = m_freeObjects.Take();
    if (!e) e = &m_objectRecords.emplace_back();
    *e = SceneObject{};
    e->owner = this;
    e->createdAt = m_clock.Now();
    return e;
}

void Scene::LinkObject(SceneObject* e)
{
    if (m_lastObject) m_lastObject->next = e;
    e->next = nullptr;
    e->prev = m_lastObject;
    m_lastObject = e;
    if (!m_firstObject) m_firstObject = e;
    m_population += e->weight;
    m_objectCount += 1;
    if (m_observer) m_observer->OnLinked(*e);
}

b2Body* Scene::CreateObject(float halfWidthOrRadius, float halfHeight, float density, float angleDegrees, float x,
                            float y, ObjectShape shape, std::int32_t weight)
{
    const float angle = angleDegrees * 0.017453292f;
    b2Body* body;
    if (shape == ObjectShape::Box) {
        body = CreateBodyAt(*m_world, b2_dynamicBody, x, y, angle);
        b2PolygonShape box;
        box.SetAsBox(halfWidthOrRadius, halfHeight);
        AddShape(*body, box, 0.3f, 0.1f, density);
    } else {
        body = CreateBodyAt(*m_world, b2_dynamicBody, x, y);  // a circle ignores the angle
        b2CircleShape circle;
        circle.m_radius = halfWidthOrRadius;
        AddShape(*body, circle, 1.0f, 0.1f, density);
    }

    SceneObject* e = AcquireObject();
    e->weight = weight;
    e->body = body;

    // Denser objects are darker: s runs from 254 at density 1 down to 128 at density 101.
    const unsigned s =
        static_cast<unsigned>(128 + static_cast<int>(128.0 * (1.0 - static_cast<double>(density) / 101.0)));
    e->fillColor = Rgb(s, s, s);
    e->lineColor = Rgb(s - 64, s - 64, s - 64);
    e->markColor = Rgb(s - 32, s - 32, s);
    e->permanent = false;
    LinkObject(e);
    return body;
}

Spring* Scene::AcquireSpring()
{
    Spring* spring = m_freeSprings.Take();
    if (!spring) spring = &m_springRecords.emplace_back();
    *spring = Spring{};
    spring->stiffness = 500.0f;
    spring->damping = 10.0f;
    return spring;
}

void Scene::ReleaseObject(SceneObject* e)
{
    if (e->body) {
        RemoveSpringsOf(e->body);
        b2Body* body = e->body;
        e->body = nullptr;
        m_world->DestroyBody(body);  // reports the body's joints to SayGoodbye first
    }
    if (e->spring) {
        m_freeSprings.Append(e->spring);
        e->spring = nullptr;
    }
    e->joint = nullptr;
    m_population -= e->weight;
}

void Scene::RemoveObject(SceneObject* e)
{
    if (m_observer) {
        m_observer->OnRemoved(*e, m_removalDepth > 0 ? RemovalReason::TakenWith : m_removalReason);
    }
    if (e == m_sweepNext) m_sweepNext = e->next;
    if (e->prev) e->prev->next = e->next;
    if (e->next) e->next->prev = e->prev;
    if (e == m_firstObject) m_firstObject = e->next;
    if (e == m_lastObject) m_lastObject = e->prev;

    ++m_removalDepth;
    ReleaseObject(e);
    --m_removalDepth;

    m_freeObjects.Append(e);
    m_objectCount -= 1;
}

void Scene::RemoveWithReason(SceneObject* e, RemovalReason reason)
{
    m_removalReason = reason;
    RemoveObject(e);
    m_removalReason = RemovalReason::Cleared;
}

void Scene::RemoveSpringsOf(const b2Body* b)
{
    // Spring entries own no body, so removing one never removes anything else: the saved
    // successor stays live.
    for (SceneObject* e = m_firstObject; e;) {
        SceneObject* next = e->next;
        if (e->spring && (e->spring->bodyA == b || e->spring->bodyB == b)) RemoveObject(e);
        e = next;
    }
}

void Scene::ClearScene()
{
    if (!m_world) return;
    // One removal can take newer entries with it, so the oldest is read afresh each time.
    while (m_firstObject) RemoveObject(m_firstObject);
    m_world.reset();
    m_conveyor = nullptr;
}

void Scene::SayGoodbye(b2Joint* joint)
{
    for (SceneObject* e = m_firstObject; e; e = e->next) {
        if (e->joint == joint) {
            RemoveObject(e);  // the joint is still whole here, so the observer sees what goes
            return;
        }
    }
}

void Scene::SayGoodbye(b2Fixture*) {}
