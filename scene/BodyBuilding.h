#pragma once

#include <box2d/box2d.h>

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
