#pragma once

#include <box2d/box2d.h>

#include <cmath>

// True when no body of the world has a NaN or infinite position, angle or velocity: what a
// long run must keep. Shared by the soak test and the soak benchmark.
inline bool AllFinite(const b2World& world)
{
    for (const b2Body* b = world.GetBodyList(); b; b = b->GetNext()) {
        const b2Vec2 p = b->GetPosition();
        const b2Vec2 v = b->GetLinearVelocity();
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(v.x) || !std::isfinite(v.y)
            || !std::isfinite(b->GetAngle()) || !std::isfinite(b->GetAngularVelocity())) {
            return false;
        }
    }
    return true;
}
