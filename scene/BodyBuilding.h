#pragma once

#include <box2d/box2d.h>

// The Box2D pieces the worlds and the spawner are made of: bodies, fixtures and rods.

// A body of the given type at a position and angle, with Box2D's defaults otherwise: awake,
// allowed to sleep and to rotate, no damping, not a bullet.
inline b2Body* CreateBodyAt(b2World& world, b2BodyType type, float x, float y, float angle = 0.0f)
{
    b2BodyDef def;
    def.type = type;
    def.position.Set(x, y);
    def.angle = angle;
    return world.CreateBody(&def);
}

// A solid fixture with the default collision filter; a dynamic body's mass follows from it.
inline void AddShape(b2Body& body, const b2Shape& shape, float friction, float restitution, float density)
{
    b2FixtureDef def;
    def.shape = &shape;
    def.friction = friction;
    def.restitution = restitution;
    def.density = density;
    body.CreateFixture(&def);
}

// The distance between two bodies' origins, which a rod or spring between them keeps: below
// Box2D's epsilon it is none at all.
inline float RestLengthBetween(const b2Body& a, const b2Body& b)
{
    const float length = (b.GetPosition() - a.GetPosition()).Length();
    return length < b2_epsilon ? 0.0f : length;
}

// A rod between two bodies' origins: a distance joint with no stiffness and equal limits, so
// it keeps its length rather than springing.
inline b2Joint* CreateRigidJoint(b2World& world, b2Body* a, b2Body* b, bool collideConnected)
{
    b2DistanceJointDef def;
    def.bodyA = a;
    def.bodyB = b;
    def.localAnchorA.SetZero();
    def.localAnchorB.SetZero();
    const float length = RestLengthBetween(*a, *b);
    def.length = length;
    def.minLength = length;
    def.maxLength = length;
    def.stiffness = 0.0f;
    def.damping = 0.0f;
    def.collideConnected = collideConnected;
    return world.CreateJoint(&def);
}
