#include "render/Renderer.h"
#include "scene/Scene.h"
#include "tests/render/PixelPrinting.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using Call = RecordingSurface::Call;

// A scene with a world but no entries, drawn at 800 x 480 (16 pixels to the world unit).
class RendererTest : public ::testing::Test {
protected:
    RendererTest()
    {
        scene.ResetWorld(WorldKind::Cascadium);
        while (scene.FirstObject()) scene.RemoveObject(scene.FirstObject());
    }

    // Draws the scene and returns the newest entry's drawing.
    const RecordingSurface::Entry& DrawNewest()
    {
        RenderScene(scene, 800, 480, surface);
        return surface.entries.back();
    }

    b2Body* AddCircle(float x, float y, float radius)
    {
        return scene.CreateObject(radius, radius, 50.0f, 0.0f, x, y, ObjectShape::Circle, 1);
    }

    // A body whose origin is not its centre of mass, with no entry of its own.
    b2Body* AddOffCentreBody(float x, float y)
    {
        b2BodyDef def;
        def.type = b2_dynamicBody;
        def.position.Set(x, y);
        b2Body* body = scene.World()->CreateBody(&def);
        b2CircleShape circle;
        circle.m_p.Set(1.0f, 1.0f);
        circle.m_radius = 0.5f;
        body->CreateFixture(&circle, 1.0f);
        return body;
    }

    SceneObject* AddEntry()
    {
        SceneObject* e = scene.AcquireObject();
        e->lineColor = Rgb(1, 2, 3);
        scene.LinkObject(e);
        return e;
    }

    ManualClock clock;
    RecordingShell shell;
    Scene scene{clock, shell};
    RecordingSurface surface;
};

TEST(Renderer, SceneWithoutWorldIsClearedAndPresentedOnly)
{
    ManualClock clock;
    RecordingShell shell;
    Scene scene(clock, shell);
    RecordingSurface surface;
    RenderScene(scene, 640, 400, surface);
    EXPECT_EQ(surface.calls, (std::vector<Call>{Call::Clear, Call::Present}));
    EXPECT_EQ(surface.clearedWidth, 640);
    EXPECT_EQ(surface.clearedHeight, 400);
    EXPECT_EQ(surface.presentedWidth, 640);
    EXPECT_EQ(surface.presentedHeight, 400);
}

TEST_F(RendererTest, EmptyWorldIsClearedAndPresentedOnly)
{
    RenderScene(scene, 800, 480, surface);
    EXPECT_EQ(surface.calls, (std::vector<Call>{Call::Clear, Call::Present}));
}

TEST_F(RendererTest, EveryEntryIsBracketedOldestFirstBetweenClearAndPresent)
{
    scene.ResetWorld(WorldKind::PachinkoMachine);
    AddCircle(0.0f, 20.0f, 1.0f);
    AddEntry();  // holds nothing: still begun and ended

    RenderScene(scene, 800, 480, surface);

    ASSERT_GE(surface.calls.size(), 2u);
    EXPECT_EQ(surface.calls.front(), Call::Clear);
    EXPECT_EQ(surface.calls.back(), Call::Present);
    EXPECT_EQ(surface.strayShapes, 0);
    ASSERT_EQ(static_cast<int>(surface.entries.size()), scene.ObjectCount());

    int open = 0;
    for (Call call : surface.calls) {
        if (call == Call::BeginEntry) {
            ASSERT_EQ(open++, 0);
        } else if (call == Call::EndEntry) {
            ASSERT_EQ(--open, 0);
        }
    }
    EXPECT_EQ(open, 0);

    std::size_t i = 0;
    for (const SceneObject* e = scene.FirstObject(); e; e = e->next, ++i) {
        EXPECT_EQ(surface.entries[i].line, e->lineColor);
        EXPECT_EQ(surface.entries[i].fill, e->fillColor);
        EXPECT_EQ(surface.entries[i].mark, e->markColor);
    }
    // The pin bodies carry 50 pins each; every pin is drawn.
    int pins = 0;
    for (std::size_t k = 2; k + 2 < surface.entries.size(); ++k)
        pins += static_cast<int>(surface.entries[k].shapes.size());
    EXPECT_EQ(pins, 180);
    EXPECT_TRUE(surface.entries.back().shapes.empty());
}

TEST_F(RendererTest, CircleBoxComesFromTheUnroundedCentre)
{
    AddCircle(0.0f, 0.5f, 0.5f);
    const auto& entry = DrawNewest();
    ASSERT_FALSE(entry.shapes.empty());
    EXPECT_EQ(entry.shapes[0].kind, Call::Ellipse);
    EXPECT_EQ(entry.shapes[0].box, (PixelRect{392, 464, 408, 480}));
}

TEST_F(RendererTest, CircleCentreTurnsWithItsBody)
{
    // Centres land on half pixels, so any slip in the rotation shows.
    b2Body* body = AddCircle(1.03125f, 5.03125f, 0.5f);
    static_cast<b2CircleShape*>(body->GetFixtureList()->GetShape())->m_p.Set(2.0f, 0.0f);
    body->SetTransform(body->GetPosition(), b2_pi / 2.0f);

    const auto& entry = DrawNewest();
    ASSERT_FALSE(entry.shapes.empty());
    EXPECT_EQ(entry.shapes[0].box, (PixelRect{408, 359, 424, 375}));
}

TEST_F(RendererTest, ShapesPastTheLeftEdgeTruncateTowardZero)
{
    // Centre on column 0, pixel radius 0.7: the box's left edge is -0.7, drawn as 0.
    AddCircle(-25.0f, 15.0f, 0.04375f);
    const auto& entry = DrawNewest();
    ASSERT_FALSE(entry.shapes.empty());
    EXPECT_EQ(entry.shapes[0].box, (PixelRect{0, 239, 0, 240}));
}

TEST_F(RendererTest, MarkIsAQuarterRingBelowTheCentreAtAngleZero)
{
    AddCircle(0.0f, 0.5f, 0.5f);
    const auto& entry = DrawNewest();
    ASSERT_EQ(entry.shapes.size(), 2u);
    const auto& mark = entry.shapes[1];
    EXPECT_EQ(mark.kind, Call::RingQuarter);
    EXPECT_EQ(mark.box, (PixelRect{392, 464, 407, 479}));    // 0.95 r = 7.6 pixels
    EXPECT_EQ(mark.inner, (PixelRect{394, 466, 406, 478}));  // 0.75 r = 6 pixels
    EXPECT_EQ(mark.points, (std::vector<PixelPoint>{{400, 472}, {411, 483}, {388, 483}, {400, 472}}));
    EXPECT_EQ(entry.mark, Rgb(160, 160, 192));
}

TEST_F(RendererTest, MarkTurnsWithTheBody)
{
    b2Body* body = AddCircle(0.0f, 0.5f, 0.5f);
    body->SetTransform(body->GetPosition(), b2_pi / 2.0f);
    const auto& entry = DrawNewest();
    ASSERT_EQ(entry.shapes.size(), 2u);
    // A quarter turn counter-clockwise brings the mark to the right of the centre.
    EXPECT_EQ(entry.shapes[1].points, (std::vector<PixelPoint>{{400, 472}, {411, 460}, {411, 483}, {400, 472}}));
}

TEST_F(RendererTest, CircleWithoutMarkColourHasNoMark)
{
    AddCircle(0.0f, 0.5f, 0.5f);
    scene.LastObject()->markColor = 0;
    const auto& entry = DrawNewest();
    ASSERT_EQ(entry.shapes.size(), 1u);
    EXPECT_EQ(entry.shapes[0].kind, Call::Ellipse);
}

TEST_F(RendererTest, PolygonIsClosedByRepeatingItsFirstPoint)
{
    b2Body* box = scene.CreateObject(1.0f, 0.5f, 50.0f, 0.0f, 2.03125f, 10.03125f, ObjectShape::Box, 1);
    box->SetTransform(box->GetPosition(), b2_pi / 2.0f);
    const auto& entry = DrawNewest();
    ASSERT_EQ(entry.shapes.size(), 1u);
    EXPECT_EQ(entry.shapes[0].kind, Call::Polygon);
    // Corners (-1,-0.5), (1,-0.5), (1,0.5), (-1,0.5) turned a quarter: x' = -y, y' = x.
    EXPECT_EQ(entry.shapes[0].points,
              (std::vector<PixelPoint>{{440, 335}, {440, 303}, {424, 303}, {424, 335}, {440, 335}}));
}

TEST_F(RendererTest, EightVertexPolygonIsDrawnWithNinePoints)
{
    b2BodyDef def;
    def.position.Set(0.0f, 15.0f);
    b2Body* body = scene.World()->CreateBody(&def);
    b2Vec2 corners[8];
    for (int i = 0; i < 8; ++i) {
        const float a = static_cast<float>(i) * b2_pi / 4.0f;
        corners[i].Set(2.0f * std::cos(a), 2.0f * std::sin(a));
    }
    b2PolygonShape octagon;
    octagon.Set(corners, 8);
    ASSERT_EQ(octagon.m_count, 8);
    body->CreateFixture(&octagon, 0.0f);
    AddEntry()->body = body;

    const auto& entry = DrawNewest();
    ASSERT_EQ(entry.shapes.size(), 1u);
    const auto& points = entry.shapes[0].points;
    ASSERT_EQ(points.size(), 9u);
    EXPECT_EQ(points.front(), points.back());
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(points[i].y, 240, 33) << i;  // all within 2 units of the centre
}

TEST_F(RendererTest, JointEntryDrawsOnlyItsLineEvenWithABody)
{
    b2Body* a = AddCircle(-2.0f, 10.0f, 0.5f);
    b2Body* b = AddCircle(3.0f, 12.0f, 0.5f);
    b2DistanceJointDef def;
    def.Initialize(a, b, a->GetPosition(), b->GetPosition());
    SceneObject* e = AddEntry();
    e->joint = scene.World()->CreateJoint(&def);
    e->body = AddOffCentreBody(0.0f, 20.0f);

    const auto& entry = DrawNewest();
    ASSERT_EQ(entry.shapes.size(), 1u);
    EXPECT_EQ(entry.shapes[0].kind, Call::Polyline);
    EXPECT_EQ(entry.shapes[0].points, (std::vector<PixelPoint>{{368, 320}, {448, 288}}));
    EXPECT_EQ(entry.line, Rgb(1, 2, 3));
}

TEST_F(RendererTest, SpringLineRunsBetweenTheBodiesOrigins)
{
    Spring* spring = scene.AcquireSpring();
    spring->bodyA = AddOffCentreBody(1.0f, 5.0f);
    spring->bodyB = AddOffCentreBody(4.0f, 6.0f);
    AddEntry()->spring = spring;

    const auto& entry = DrawNewest();
    ASSERT_EQ(entry.shapes.size(), 1u);
    EXPECT_EQ(entry.shapes[0].kind, Call::Polyline);
    EXPECT_EQ(entry.shapes[0].points, (std::vector<PixelPoint>{{416, 400}, {464, 384}}));
}

}  // namespace
