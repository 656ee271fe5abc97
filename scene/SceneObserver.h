#pragma once

#include <cstdint>

struct SceneObject;

// Why an entry left the scene.
enum class RemovalReason {
    Rest,       // came to rest and stayed so for the grace period
    Fall,       // fell below the scene
    Age,        // lived out its lifetime
    TakenWith,  // a spring or joint entry that went with the body it was attached to
    Cleared,    // the world was torn down
};

const char* RemovalReasonName(RemovalReason reason);

// Optional listener for entries entering and leaving the live list (the headless simulator's
// trace) and for the physics steps (the pictures drawn between ticks). Called synchronously,
// before a removed entry lets go of anything: its body, joint or spring can still be read.
class SceneObserver {
public:
    virtual ~SceneObserver() = default;
    virtual void OnLinked(const SceneObject& entry) = 0;
    virtual void OnRemoved(const SceneObject& entry, RemovalReason reason) = 0;
    // After each physics step of a tick: the bodies now stand where they are at `moment`, the
    // step clock's reading that the step brought the world up to.
    virtual void OnStepped(std::uint32_t /*moment*/) {}
};
