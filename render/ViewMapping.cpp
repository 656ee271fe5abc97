#include "render/ViewMapping.h"

#include <cmath>

ClientPoint WorldToClient(float x, float y, int width, int height)
{
    const float h = static_cast<float>(height);
    const float halfW = static_cast<float>(width / 2);
    return {halfW + (x / VisibleWorldHeight) * h, h - (y / VisibleWorldHeight) * h};
}

namespace {

// Beyond this a coordinate is far outside any picture; clamping keeps the conversion defined
// (a float outside the int range, or NaN, has no integer value) without moving anything visible.
constexpr float PixelLimit = 1.0e9f;

int TruncateTowardZero(float v)
{
    if (std::isnan(v)) return 0;
    if (v > PixelLimit) return static_cast<int>(PixelLimit);
    if (v < -PixelLimit) return static_cast<int>(-PixelLimit);
    return static_cast<int>(v);
}

}  // namespace

PixelPoint ToPixel(ClientPoint p)
{
    return {TruncateTowardZero(p.x), TruncateTowardZero(p.y)};
}

WorldPoint ClientToWorld(int x, int y, int width, int height)
{
    const float h = static_cast<float>(height);
    const float dx = static_cast<float>(x - width / 2);
    const float dy = h - static_cast<float>(y);
    return {(VisibleWorldHeight * dx) / h, (dy * VisibleWorldHeight) / h};
}
