#pragma once

#include <box2d/box2d.h>

// Where a picture places a body: its transform, and its angle, which turns a disc's rotation
// mark (the angle runs on past a full turn, so the transform alone does not give it back).
struct BodyPose {
    b2Transform transform;
    float angle;
};

// Where the renderer finds each body it draws.
class PoseSource {
public:
    virtual ~PoseSource() = default;
    virtual BodyPose PoseOf(const b2Body& body) const = 0;
};

// Every body where the world holds it now: the state of the last tick, as the Windows window
// draws it.
class PresentPoses final : public PoseSource {
public:
    BodyPose PoseOf(const b2Body& body) const override { return {body.GetTransform(), body.GetAngle()}; }
};
