#include "render/Renderer.h"

#include "render/ViewMapping.h"
#include "scene/Scene.h"

#include <box2d/box2d.h>

#include <cmath>

namespace {

constexpr float MarkOuter = 0.95f;
constexpr float MarkInner = 0.75f;
constexpr float MarkHalfAngle = 0.7853981f;
constexpr float MarkReach = 2.0f;

// Everything one frame needs to turn world points into pixels, and the bodies' poses.
struct View {
    int width;
    int height;
    const PoseSource& poses;

    PixelPoint Pixel(const b2Vec2& world) const { return ToPixel(WorldToClient(world.x, world.y, width, height)); }
    float Length(float world) const { return (world / VisibleWorldHeight) * static_cast<float>(height); }
};

// p + R·v, summed in this order so every platform gets the same pixels.
b2Vec2 ToWorld(const b2Transform& xf, const b2Vec2& v)
{
    return {xf.p.x + xf.q.c * v.x + -xf.q.s * v.y, xf.p.y + xf.q.s * v.x + xf.q.c * v.y};
}

// The box of a circle of pixel radius r around the unrounded centre c.
PixelRect BoxAround(ClientPoint c, float r)
{
    const PixelPoint topLeft = ToPixel({c.x - r, c.y - r});
    const PixelPoint bottomRight = ToPixel({c.x + r, c.y + r});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void DrawLine(const View& view, const b2Vec2& from, const b2Vec2& to, DrawSurface& surface)
{
    const PixelPoint points[2] = {view.Pixel(from), view.Pixel(to)};
    surface.Polyline(points, 2);
}

// A quarter of the ring between 0.75r and 0.95r, centred on the body's local -y direction.
void DrawRotationMark(ClientPoint c, float r, float angle, DrawSurface& surface)
{
    const float ahead = angle + MarkHalfAngle;
    const float behind = angle - MarkHalfAngle;
    const float reach = MarkReach * r;
    const PixelPoint centre = ToPixel(c);
    const PixelPoint wedge[4] = {
        centre,
        ToPixel({c.x + reach * std::sin(ahead), c.y + reach * std::cos(ahead)}),
        ToPixel({c.x + reach * std::sin(behind), c.y + reach * std::cos(behind)}),
        centre,
    };
    surface.RingQuarter(BoxAround(c, MarkOuter * r), BoxAround(c, MarkInner * r), wedge);
}

// Where a joint ends on one of its bodies at that body's pose. The worlds' rods are distance
// joints, whose anchors are kept in the bodies' own frames; any other joint ends where the world
// holds it now.
b2Vec2 AnchorOf(const View& view, b2Joint& joint, bool onA)
{
    if (joint.GetType() != e_distanceJoint) return onA ? joint.GetAnchorA() : joint.GetAnchorB();
    auto& rod = static_cast<b2DistanceJoint&>(joint);
    const b2Body& body = onA ? *rod.GetBodyA() : *rod.GetBodyB();
    return b2Mul(view.poses.PoseOf(body).transform, onA ? rod.GetLocalAnchorA() : rod.GetLocalAnchorB());
}

void DrawCircle(const View& view, const BodyPose& pose, const b2CircleShape& circle, ColorRef markColor,
                DrawSurface& surface)
{
    const b2Vec2 centre = ToWorld(pose.transform, circle.m_p);
    const ClientPoint c = WorldToClient(centre.x, centre.y, view.width, view.height);
    const float r = view.Length(circle.m_radius);
    surface.Ellipse(BoxAround(c, r));
    if (markColor != 0) DrawRotationMark(c, r, pose.angle, surface);
}

void DrawPolygon(const View& view, const BodyPose& pose, const b2PolygonShape& polygon, DrawSurface& surface)
{
    PixelPoint points[b2_maxPolygonVertices + 1];
    const b2Transform& xf = pose.transform;
    const int count = polygon.m_count;
    for (int i = 0; i < count; ++i) points[i] = view.Pixel(ToWorld(xf, polygon.m_vertices[i]));
    points[count] = points[0];
    surface.Polygon(points, count + 1);
}

void DrawBody(const View& view, const b2Body& body, ColorRef markColor, DrawSurface& surface)
{
    const BodyPose pose = view.poses.PoseOf(body);
    for (const b2Fixture* f = body.GetFixtureList(); f; f = f->GetNext()) {
        const b2Shape* shape = f->GetShape();
        switch (shape->GetType()) {
        case b2Shape::e_circle:
            DrawCircle(view, pose, *static_cast<const b2CircleShape*>(shape), markColor, surface);
            break;
        case b2Shape::e_polygon:
            DrawPolygon(view, pose, *static_cast<const b2PolygonShape*>(shape), surface);
            break;
        default:
            break;
        }
    }
}

void DrawEntry(const View& view, const SceneObject& e, DrawSurface& surface)
{
    if (e.joint) {
        DrawLine(view, AnchorOf(view, *e.joint, true), AnchorOf(view, *e.joint, false), surface);
    } else if (e.spring) {
        const b2Vec2 a = view.poses.PoseOf(*e.spring->bodyA).transform.p;
        DrawLine(view, a, view.poses.PoseOf(*e.spring->bodyB).transform.p, surface);
    } else if (e.body) {
        DrawBody(view, *e.body, e.markColor, surface);
    }
}

}  // namespace

void RenderScene(const Scene& scene, int width, int height, DrawSurface& surface, const PoseSource& poses)
{
    surface.Clear(width, height);
    if (scene.World()) {
        const View view{width, height, poses};
        for (const SceneObject* e = scene.FirstObject(); e; e = e->next) {
            surface.BeginEntry(e->lineColor, e->fillColor, e->markColor);
            DrawEntry(view, *e, surface);
            surface.EndEntry();
        }
    }
    surface.Present(width, height);
}

void RenderScene(const Scene& scene, int width, int height, DrawSurface& surface)
{
    RenderScene(scene, width, height, surface, PresentPoses{});
}
