#pragma once

class b2Body;

// A damped spring the scene applies itself between two bodies after every physics step.
struct Spring {
    b2Body* bodyA = nullptr;
    b2Body* bodyB = nullptr;
    float stiffness = 0.0f;
    float damping = 0.0f;
    float restLength = 0.0f;
    Spring* next = nullptr;  // successor while on the free list
};
