#include "scene/Scene.h"

#include "scene/Spawner.h"
#include "scene/WorldTable.h"

namespace {

constexpr float StepSeconds = 1.0f / 60.0f;
constexpr int SolverIterations = 5;

constexpr float ConveyorSpeed = -3.0f;
constexpr float ConveyorWrapX = -10.0f;

constexpr float MovingSpeed = 0.05f;
constexpr float RestHeight = 4.0f;
constexpr std::uint32_t SettlingAgeMs = 1000;
constexpr std::uint32_t RestGraceMs = 1000;
constexpr float FallLimit = -30.0f;
constexpr std::uint32_t LifetimeMs = 45000;

// True when tick reading `a` is later than `b`, across the counter's wrap.
bool IsLater(std::uint32_t a, std::uint32_t b)
{
    return static_cast<std::int32_t>(a - b) > 0;
}

}  // namespace

void Scene::TickScene(WorldKind world)
{
    if (!m_world) return;  // nothing to move before the first world is built

    const std::optional<std::uint32_t> rebuildAfterMs = RecipeOf(world).rebuildAfterMs;
    if (rebuildAfterMs && m_firstObject && m_clock.Now() - m_firstObject->createdAt > *rebuildAfterMs) {
        ResetWorld(world);
        return;
    }

    SpawnRandomObject(*this, world);
    CullObjects();

    const std::uint32_t now = m_clock.Now();
    const std::int32_t behind = static_cast<std::int32_t>(now - m_nextStepTime);
    // The step clock is never more than one period ahead; anything else is a jump of the counter.
    if (behind > MaxCatchUpMs || behind < -static_cast<std::int32_t>(StepPeriodMs)) {
        m_nextStepTime = behind > 0 ? now - static_cast<std::uint32_t>(MaxCatchUpMs) : now;
    }
    while (IsLater(now, m_nextStepTime)) {
        m_nextStepTime += StepPeriodMs;
        StepWorld();
        if (m_observer) m_observer->OnStepped(m_nextStepTime);
    }

    m_shell.RequestRedraw();
}

void Scene::StepWorld()
{
    m_conveyor->SetAwake(true);
    m_conveyor->SetLinearVelocity(b2Vec2(ConveyorSpeed, m_conveyor->GetLinearVelocity().y));
    m_conveyor->SetAngularVelocity(0.0f);
    if (m_conveyor->GetPosition().x < ConveyorWrapX) {
        m_conveyor->SetTransform(b2Vec2(0.0f, m_conveyor->GetPosition().y), 0.0f);
    }

    m_world->Step(StepSeconds, SolverIterations, SolverIterations);
    ++m_stepCount;
    m_physicsMilliseconds += static_cast<double>(m_world->GetProfile().step);

    // Forces are added after the step: the next step integrates them.
    for (const SceneObject* e = m_firstObject; e; e = e->next) {
        if (e->spring) ApplySpringForce(*e->spring);
    }
}

void Scene::ApplySpringForce(const Spring& spring)
{
    b2Body* a = spring.bodyA;
    b2Body* b = spring.bodyB;
    const b2Vec2 pa = a->GetPosition();
    const b2Vec2 pb = b->GetPosition();
    const b2Vec2 d = pb - pa;
    const b2Vec2 dv = b->GetLinearVelocity() - a->GetLinearVelocity();

    float length = d.Length();
    b2Vec2 direction = d;
    if (length < b2_epsilon) {
        length = 0.0f;  // coincident origins: no direction to divide by
    } else {
        direction = (1.0f / length) * d;
    }
    const float force = -spring.stiffness * (length - spring.restLength) - spring.damping * b2Dot(direction, dv);

    a->SetAwake(true);
    b->SetAwake(true);
    // Each point lies on its force's line of action, so the torque is as if applied at the origin.
    b->ApplyForce(force * direction, pa, true);
    a->ApplyForce(-force * direction, pb, true);
    a->SetAwake(true);
    b->SetAwake(true);
}

void Scene::CullObjects()
{
    const std::uint32_t now = m_clock.Now();
    m_sweepNext = m_firstObject;
    while (SceneObject* e = m_sweepNext) {
        m_sweepNext = e->next;
        if (e->permanent || !e->body) continue;

        const b2Body* body = e->body;
        const float speed = body->GetLinearVelocity().Length();
        const float y = body->GetPosition().y;
        const std::uint32_t age = now - e->createdAt;

        if (speed > MovingSpeed) e->restDeadline = 0;
        const bool resting = age > SettlingAgeMs && (!body->IsAwake() || (y < RestHeight && speed < MovingSpeed));

        bool restDue = false;
        bool fallDue = false;
        if (resting) {
            if (e->restDeadline == 0) {
                e->restDeadline = now + RestGraceMs;
                if (e->restDeadline == 0) e->restDeadline = 1;  // 0 means "none", even after the wrap
            } else {
                restDue = IsLater(now, e->restDeadline);
            }
        } else {
            fallDue = y < FallLimit;
        }
        // A deadline set while resting still expires while the body creeps slowly above the rest height.
        if (e->restDeadline != 0 && IsLater(now, e->restDeadline)) restDue = true;
        const bool ageDue = age > LifetimeMs;

        if (restDue)
            RemoveWithReason(e, RemovalReason::Rest);
        else if (fallDue)
            RemoveWithReason(e, RemovalReason::Fall);
        else if (ageDue)
            RemoveWithReason(e, RemovalReason::Age);
    }
    m_sweepNext = nullptr;
}
