#pragma once

#include "scene/ObjectShape.h"

class Scene;

// Drops a 1 x 1 box turned by 40 degrees or a disc of radius 0.5 (alternating, starting with a
// box after `lastPlaced` = Circle) at pixel (x, y) of a width x height view.
// Nothing is dropped when the scene holds 100 or more entries (the alternation then pauses),
// when it has no world, or when the height is 0 (no mapping exists). Returns true when it
// dropped an object. `lastPlaced` is the shell's own record: the process-wide LastPlacedShape on
// Windows, the toy's elsewhere.
bool PlaceObjectAt(Scene& scene, int x, int y, int width, int height, ObjectShape& lastPlaced);
