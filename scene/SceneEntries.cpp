#include "scene/SceneEntries.h"

#include "scene/BodyBuilding.h"
#include "scene/Scene.h"

SceneObject* NewPermanentEntry(Scene& scene, b2Body* body, ColorRef fill, ColorRef line)
{
    SceneObject* e = scene.AcquireObject();
    e->permanent = true;
    e->fillColor = fill;
    e->lineColor = line;
    e->body = body;
    scene.LinkObject(e);
    return e;
}

SceneObject* NewJointEntry(Scene& scene, b2Joint* joint, ColorRef line)
{
    SceneObject* e = scene.AcquireObject();
    e->lineColor = line;
    e->joint = joint;
    scene.LinkObject(e);
    return e;
}

SceneObject* NewSpringEntry(Scene& scene, b2Body* a, b2Body* b, ColorRef line)
{
    SceneObject* e = scene.AcquireObject();
    e->lineColor = line;
    Spring* spring = scene.AcquireSpring();
    spring->bodyA = a;
    spring->bodyB = b;
    spring->restLength = RestLengthBetween(*a, *b);
    e->spring = spring;
    scene.LinkObject(e);
    return e;
}
