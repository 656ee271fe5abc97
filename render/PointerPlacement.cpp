#include "render/PointerPlacement.h"

#include "render/ViewMapping.h"
#include "scene/Scene.h"

namespace {

constexpr std::int32_t MaxLiveEntries = 100;
constexpr float DropHalfSize = 0.5f;
constexpr float DropDensity = 50.0f;
constexpr float DropAngleDegrees = 40.0f;
constexpr std::int32_t DropWeight = 1;

}  // namespace

bool PlaceObjectAt(Scene& scene, int x, int y, int width, int height, ObjectShape& lastPlaced)
{
    if (height <= 0 || !scene.World()) return false;
    const WorldPoint at = ClientToWorld(x, y, width, height);
    if (scene.ObjectCount() >= MaxLiveEntries) return false;

    lastPlaced = lastPlaced == ObjectShape::Circle ? ObjectShape::Box : ObjectShape::Circle;
    scene.CreateObject(DropHalfSize, DropHalfSize, DropDensity, DropAngleDegrees, at.x, at.y, lastPlaced, DropWeight);
    return true;
}
