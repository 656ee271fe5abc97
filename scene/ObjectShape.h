#pragma once

// The shape argument of Scene::CreateObject.
enum class ObjectShape : int {
    Box = 0,
    Circle = 1,
};
