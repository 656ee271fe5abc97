#pragma once

#include "scene/Color.h"

class b2Body;
class b2Joint;
class Scene;
struct SceneObject;

// The entries a layout or the spawner adds to a scene beside the objects of CreateObject,
// each linked as the newest entry.

// Scenery: a body the removal sweep never takes.
SceneObject* NewPermanentEntry(Scene& scene, b2Body* body, ColorRef fill, ColorRef line);

// The line of a joint that Box2D owns; the entry goes when either body does.
SceneObject* NewJointEntry(Scene& scene, b2Joint* joint, ColorRef line);

// The line of a spring the scene applies itself, at rest at the bodies' present distance.
SceneObject* NewSpringEntry(Scene& scene, b2Body* a, b2Body* b, ColorRef line);
