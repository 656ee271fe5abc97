#pragma once

#include "scene/Clock.h"
#include "scene/FreeList.h"
#include "scene/ObjectShape.h"
#include "scene/Random.h"
#include "scene/SceneObject.h"
#include "scene/SceneObserver.h"
#include "scene/SceneShell.h"
#include "scene/Spring.h"
#include "scene/WorldKind.h"

#include <box2d/box2d.h>

#include <cstdint>
#include <deque>
#include <memory>

// The simulated world and its entries: the Box2D world, the live list of entries in creation
// order, the free lists that recycle entry and spring records, and the operations that reset
// a world and advance time. The worlds' layouts (WorldRecipe) and the spawner (Spawner.h) work
// through the public entry operations. Everything runs on one thread.
class Scene final : public b2DestructionListener {
public:
    // Seeds the random generator and the step clock from the clock's current reading.
    Scene(const Clock& clock, SceneShell& shell);
    ~Scene() override;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Entries and records. A record comes cleared, owned by this scene and stamped with the
    // clock; it joins the live list only when linked.
    SceneObject* AcquireObject();
    void LinkObject(SceneObject* e);
    b2Body* CreateObject(float halfWidthOrRadius, float halfHeight, float density, float angleDegrees, float x, float y,
                         ObjectShape shape, std::int32_t weight);
    Spring* AcquireSpring();
    void ReleaseObject(SceneObject* e);
    void RemoveObject(SceneObject* e);
    void RemoveSpringsOf(const b2Body* b);
    void ClearScene();

    // b2DestructionListener: the world is destroying a joint or fixture along with a body.
    void SayGoodbye(b2Joint* joint) override;
    void SayGoodbye(b2Fixture* fixture) override;

    // Tears down the present world and builds `world` afresh by its recipe, on a new ground
    // and conveyor, and moves the shell's check mark to it.
    void ResetWorld(WorldKind world);

    // The timer tick and its parts. A tick runs at most MaxCatchUpMs of missed wall clock (125
    // steps); after a longer pause (sleep, hibernation, a modal loop) the step clock is
    // resynchronised instead of replaying the gap.
    static constexpr std::int32_t MaxCatchUpMs = 2000;
    // The physics steps run every StepPeriodMs of the clock, each 1/60 s of simulated time.
    static constexpr std::uint32_t StepPeriodMs = 16;
    void TickScene(WorldKind world);
    void CullObjects();
    void StepWorld();
    static void ApplySpringForce(const Spring& spring);

    // Read access for the renderer, the shell and tests.
    b2World* World() const { return m_world.get(); }
    b2Body* Conveyor() const { return m_conveyor; }
    const SceneObject* FirstObject() const { return m_firstObject; }
    const SceneObject* LastObject() const { return m_lastObject; }
    SceneObject* FirstObject() { return m_firstObject; }
    SceneObject* LastObject() { return m_lastObject; }
    std::int32_t ObjectCount() const { return m_objectCount; }
    std::int32_t Population() const { return m_population; }
    // The step clock: the moment the bodies' present state stands for, up to one period ahead of
    // the clock after a tick.
    std::uint32_t NextStepTime() const { return m_nextStepTime; }
    std::uint64_t StepCount() const { return m_stepCount; }
    // Wall-clock milliseconds spent inside the physics world's Step, as Box2D's profile reports them.
    double PhysicsMilliseconds() const { return m_physicsMilliseconds; }
    Random& Rng() { return m_random; }
    const Clock& TickClock() const { return m_clock; }

    // How many records and springs were ever allocated: they never shrink, and grow only when
    // more of them are in use at once than ever before.
    std::size_t ObjectRecordsAllocated() const { return m_objectRecords.size(); }
    std::size_t SpringRecordsAllocated() const { return m_springRecords.size(); }

    void SetObserver(SceneObserver* observer) { m_observer = observer; }
    // Tests stand in for the spawner's population.
    void SetPopulation(std::int32_t population) { m_population = population; }

private:
    void RemoveWithReason(SceneObject* e, RemovalReason reason);

    const Clock& m_clock;
    SceneShell& m_shell;
    SceneObserver* m_observer = nullptr;
    Random m_random;
    std::uint32_t m_nextStepTime;
    std::uint64_t m_stepCount = 0;
    double m_physicsMilliseconds = 0.0;

    std::unique_ptr<b2World> m_world;
    b2Body* m_conveyor = nullptr;
    FreeList<SceneObject> m_freeObjects;
    FreeList<Spring> m_freeSprings;
    SceneObject* m_firstObject = nullptr;
    SceneObject* m_lastObject = nullptr;
    std::int32_t m_objectCount = 0;
    std::int32_t m_population = 0;

    // Storage of every record ever allocated (stable addresses); the lists above only link them.
    std::deque<SceneObject> m_objectRecords;
    std::deque<Spring> m_springRecords;

    // The entry the removal sweep visits next. RemoveObject moves it on when it unlinks that
    // very entry, so a sweep never steps onto a record that a nested removal recycled.
    SceneObject* m_sweepNext = nullptr;
    // Nesting depth of RemoveObject: removals below the top level go with another entry.
    int m_removalDepth = 0;
    RemovalReason m_removalReason = RemovalReason::Cleared;
};
