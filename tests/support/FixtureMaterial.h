#pragma once

#include <box2d/box2d.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <tuple>

// What a fixture is, read back from the Box2D world: its shape, its sizes (a circle's radius,
// or a box's half-extents) and its material.
struct FixtureMaterial {
    b2Shape::Type shape;
    float sizeX;
    float sizeY;  // 0 for a circle
    float friction;
    float restitution;
    float density;

    auto Key() const { return std::tie(shape, sizeX, sizeY, friction, restitution, density); }
    bool operator==(const FixtureMaterial& o) const { return Key() == o.Key(); }
    bool operator<(const FixtureMaterial& o) const { return Key() < o.Key(); }
};

inline FixtureMaterial CircleOf(float radius, float friction, float restitution, float density)
{
    return {b2Shape::e_circle, radius, 0.0f, friction, restitution, density};
}

inline FixtureMaterial BoxOf(float halfWidth, float halfHeight, float friction, float restitution, float density)
{
    return {b2Shape::e_polygon, halfWidth, halfHeight, friction, restitution, density};
}

inline FixtureMaterial MaterialOf(const b2Fixture& f)
{
    FixtureMaterial m{f.GetType(), 0.0f, 0.0f, f.GetFriction(), f.GetRestitution(), f.GetDensity()};
    if (m.shape == b2Shape::e_circle) {
        m.sizeX = f.GetShape()->m_radius;
    } else {
        // Boxes are made centred and unrotated in their body: the half-extents are the largest offsets.
        const auto* box = static_cast<const b2PolygonShape*>(f.GetShape());
        for (int i = 0; i < box->m_count; ++i) {
            m.sizeX = std::max(m.sizeX, std::fabs(box->m_vertices[i].x));
            m.sizeY = std::max(m.sizeY, std::fabs(box->m_vertices[i].y));
        }
    }
    return m;
}

inline std::ostream& operator<<(std::ostream& os, const FixtureMaterial& m)
{
    return os << (m.shape == b2Shape::e_circle ? "circle " : "box ") << m.sizeX << 'x' << m.sizeY << " friction "
              << m.friction << " restitution " << m.restitution << " density " << m.density;
}
