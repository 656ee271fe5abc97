#pragma once

#include "scene/Color.h"

#include <cstdint>

class b2Body;
class b2Joint;
class Scene;
struct Spring;

// One entry of the scene: a body, the line of a joint, or the line of a spring. Entries are
// recycled through a free list, never freed while the scene lives.
struct SceneObject {
    b2Body* body = nullptr;    // owned: destroyed when the entry is released
    b2Joint* joint = nullptr;  // not owned: the world destroys joints with their bodies
    Spring* spring = nullptr;  // owned: back to the spring free list on release
    bool permanent = false;    // the removal sweep never takes it
    ColorRef fillColor = 0;
    ColorRef lineColor = 0;
    ColorRef markColor = 0;   // 0: no rotation mark
    std::int32_t weight = 0;  // counted in the scene's population while live
    std::uint32_t createdAt = 0;
    std::uint32_t restDeadline = 0;  // 0: not resting
    Scene* owner = nullptr;
    SceneObject* next = nullptr;  // newer neighbour; successor while on the free list
    SceneObject* prev = nullptr;  // older neighbour
};
