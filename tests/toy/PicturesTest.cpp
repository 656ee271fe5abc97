#include "render/Renderer.h"
#include "render/aliased/AliasedSurface.h"
#include "tests/support/RecordingSurface.h"
#include "toy/Toy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

// A view 10,000 pixels to the world unit, so that drawn positions are exact to a ten-thousandth,
// and 210 units wide: the pointer can drop objects 100 units either side of the middle.
constexpr int TallWidth = 2100000;
constexpr int TallHeight = 300000;
constexpr float PixelsPerUnit = TallHeight / 30.0f;

struct Harness {
    Harness(std::uint32_t start, WorldKind world, Pictures pictures) : clock(start), toy(clock, world, pictures)
    {
        toy.Resize(TallWidth, TallHeight);
    }

    // Moves the clock a millisecond at a time for `ms`, running each tick when due as a shell's
    // loop does (or `lateMs` after, round in turn, as a loaded machine runs them), and calls
    // `picture` `rate` times a second.
    void Run(std::uint32_t ms, int rate, const std::function<void()>& picture)
    {
        for (std::uint32_t t = 1; t <= ms; ++t) {
            clock.Advance(1);
            waited = toy.MsUntilTick() == 0 ? waited + 1 : 0;
            if (lateMs.empty() || waited > lateMs[ticks % lateMs.size()]) {
                toy.TickIfDue();
                ticks += waited > 0 ? 1 : 0;
                waited = 0;
            }
            if (t * rate / 1000 != (t - 1) * rate / 1000) picture();
        }
    }

    // Drops an object (a box) at world point (x, y), as the pointer does; returns its entry.
    const SceneObject& Drop(float x, float y)
    {
        toy.PointerPressed(PointerButton::Primary, TallWidth / 2 + static_cast<int>(x * PixelsPerUnit),
                           TallHeight - static_cast<int>(y * PixelsPerUnit));
        toy.PointerReleased(PointerButton::Primary);
        return *toy.GetScene().LastObject();
    }

    // The entry's box or disc in the picture drawn now.
    RecordingSurface::Shape ShapeShown(const SceneObject& entry)
    {
        RecordingSurface surface;
        toy.DrawWhole(surface);
        std::size_t index = 0;
        for (const SceneObject* e = toy.GetScene().FirstObject(); e != &entry; e = e->next) ++index;
        return surface.entries.at(index).shapes.at(0);
    }

    // Where the picture drawn now shows the centre of the entry's box or disc, in world units.
    b2Vec2 Shown(const SceneObject& entry)
    {
        const RecordingSurface::Shape shape = ShapeShown(entry);
        const PixelRect& b = shape.box;
        b2Vec2 centre(static_cast<float>(b.left + b.right) / 2.0f, static_cast<float>(b.top + b.bottom) / 2.0f);
        if (shape.kind == RecordingSurface::Call::Polygon) {
            centre.SetZero();
            for (std::size_t i = 0; i < 4; ++i)
                centre += 0.25f * b2Vec2(static_cast<float>(shape.points[i].x), static_cast<float>(shape.points[i].y));
        }
        return {(centre.x - TallWidth / 2) / PixelsPerUnit, (TallHeight - centre.y) / PixelsPerUnit};
    }

    // The world angle of the first edge of the entry's box as the picture drawn now shows it.
    float ShownAngle(const SceneObject& entry)
    {
        const RecordingSurface::Shape shape = ShapeShown(entry);
        const PixelPoint a = shape.points.at(0);
        const PixelPoint b = shape.points.at(1);
        return std::atan2(static_cast<float>(a.y - b.y), static_cast<float>(b.x - a.x));
    }

    ManualClock clock;
    Toy toy;
    std::vector<std::uint32_t> lateMs;  // none: every tick on time
    std::size_t ticks = 0;
    std::uint32_t waited = 0;  // since the tick was due
};

// The entries of `b` drawn first in `a`, with the same shapes at the same pixels.
bool DrawnAlike(const RecordingSurface& a, const RecordingSurface& b)
{
    if (a.entries.size() < b.entries.size()) return false;
    for (std::size_t i = 0; i < b.entries.size(); ++i) {
        if (a.entries[i].shapes.size() != b.entries[i].shapes.size()) return false;
        for (std::size_t k = 0; k < a.entries[i].shapes.size(); ++k) {
            const RecordingSurface::Shape& x = a.entries[i].shapes[k];
            const RecordingSurface::Shape& y = b.entries[i].shapes[k];
            const auto same = [](PixelPoint p, PixelPoint q) { return p.x == q.x && p.y == q.y; };
            if (!std::equal(x.points.begin(), x.points.end(), y.points.begin(), y.points.end(), same)) return false;
            if (!same({x.box.left, x.box.top}, {y.box.left, y.box.top})) return false;
        }
    }
    return true;
}

// A body let go at rest at height y0, after n steps of Box2D's semi-implicit integration.
float FreeFallHeight(float y0, int n)
{
    const float h = 1.0f / 60.0f;
    return y0 - 10.0f * h * h * static_cast<float>(n * (n + 1)) / 2.0f;
}

struct FallCase {
    std::uint32_t start;
    int picturesPerSecond;
    // How late the ticks come, round in turn: never more than a step later than the one before.
    std::vector<std::uint32_t> lateMs;
};

// A box that spins as it falls, at a step's turn of this many radians every step.
constexpr float TurnPerStep = 0.05f;

// How far the angle `a` lies from `b`, within the quarter turn a box looks the same after.
float QuarterTurnApart(float a, float b)
{
    const float quarter = b2_pi / 2.0f;
    return std::abs(std::remainder(a - b, quarter));
}

TEST(PicturesTest, AFallingBodyLiesBetweenItsStepStatesAndSpeedsUpEvenlyThroughFourStepTicks)
{
    const FallCase cases[] = {{1000, 60, {}},
                              {1000, 144, {}},
                              {0xFFFFFFFFu - 1500, 60, {}},
                              {1000, 60, {10, 25, 40, 30, 20}}};
    for (const FallCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "start " << c.start << ", " << c.picturesPerSecond << " pictures a second, "
                                        << c.lateMs.size() << " late ticks in turn");
        // Far right of the cradle's frame, nothing is in its way.
        Harness h(c.start, WorldKind::NewtonsCradle, Pictures::BetweenTicks);
        h.lateMs = c.lateMs;
        h.Run(30, 1, [] {});
        const SceneObject& drop = h.Drop(100.0f, 25.0f);
        drop.body->SetAngularVelocity(TurnPerStep * 60.0f);
        const std::uint32_t linked = h.toy.GetScene().NextStepTime();
        EXPECT_NEAR(h.Shown(drop).y, 25.0f, 1e-3f) << "shown at the pointer at once";
        const float firstAngle = h.ShownAngle(drop);

        std::vector<std::pair<std::uint32_t, float>> shown;
        float worstTurn = 0.0f;  // how far the angle lay from a turn as even as the clock
        h.Run(3000, c.picturesPerSecond, [&] {
            shown.emplace_back(h.clock.Now(), h.Shown(drop).y);
            const auto since = static_cast<float>(std::max<std::int32_t>(h.clock.Now() - ShowBehindMs - linked, 0));
            worstTurn = std::max(worstTurn,
                                 QuarterTurnApart(h.ShownAngle(drop), firstAngle + TurnPerStep * since / Scene::StepPeriodMs));
        });
        EXPECT_LT(worstTurn, 2e-3f) << "the turn goes on evenly between the steps, as the glide does";
        for (const auto& [now, y] : shown) {
            const std::int32_t since = static_cast<std::int32_t>(now - ShowBehindMs - linked);
            const int step = since <= 0 ? 0 : since / static_cast<int>(Scene::StepPeriodMs);
            const float before = FreeFallHeight(25.0f, step);
            const float after = since <= 0 ? before : FreeFallHeight(25.0f, step + 1);
            ASSERT_TRUE(y <= before + 1e-3f && y >= after - 1e-3f)
                << y << " at " << since << " ms since it was dropped, between steps " << before << " and " << after;
        }
        // Once it has speed, each picture's speed exceeds the one before by what gravity adds
        // in a picture's time: no more than two steps' worth, never less than none.
        const auto speed = [&](std::size_t k) {
            const auto ms = static_cast<float>(shown[k + 1].first - shown[k].first);
            return (shown[k].second - shown[k + 1].second) * 1000.0f / ms;
        };
        for (std::size_t i = shown.size() / 4; i + 2 < shown.size(); ++i) {
            const float gain = speed(i + 1) - speed(i);
            ASSERT_TRUE(gain > -0.05f && gain < 0.4f) << "speed " << speed(i) << " then " << speed(i + 1) << " units/s";
        }
    }
}

TEST(PicturesTest, EveryPictureDrawsTheLiveEntriesAndAWorldBuiltAfreshAsItWasMade)
{
    Harness h(1000, WorldKind::Cascadium, Pictures::BetweenTicks);
    std::vector<std::pair<std::size_t, std::int32_t>> counts;  // drawn, live
    h.Run(20000, 60, [&] {
        RecordingSurface surface;
        h.toy.DrawWhole(surface);
        if (static_cast<std::int32_t>(surface.entries.size()) != h.toy.GetScene().ObjectCount())
            counts.emplace_back(surface.entries.size(), h.toy.GetScene().ObjectCount());
    });
    EXPECT_TRUE(counts.empty()) << counts.size() << " pictures drew other entries than the live ones, first "
                                << counts[0].first << " of " << counts[0].second;

    // The new world's entries take the old one's records: until the moment shown reaches the
    // switch, each is drawn where it was made (the spawner's next objects come after them).
    h.toy.ShowWorld(WorldKind::PachinkoMachine);
    const std::uint32_t made = h.toy.GetScene().NextStepTime();
    RecordingSurface asMade;
    RenderScene(h.toy.GetScene(), TallWidth, TallHeight, asMade);
    int before = 0;
    int differ = 0;
    h.Run(ShowBehindMs, 1000, [&] {
        if (static_cast<std::int32_t>(h.clock.Now() - ShowBehindMs - made) > 0) return;
        RecordingSurface surface;
        h.toy.DrawWhole(surface);
        ++before;
        differ += DrawnAlike(surface, asMade) ? 0 : 1;
    });
    EXPECT_GT(before, 0);
    EXPECT_EQ(differ, 0) << "of " << before << " pictures before the switch's moment";
}

TEST(PicturesTest, ARecycledRecordAndBodyAreNeverDrawnFromTheOldEntrysPoses)
{
    Harness h(1000, WorldKind::NewtonsCradle, Pictures::BetweenTicks);
    const SceneObject& first = h.Drop(100.0f, 25.0f);
    const b2Body* firstBody = first.body;
    h.Run(4000, 1, [] {});  // it falls out of the world and is removed
    const SceneObject& second = h.Drop(-100.0f, 20.0f);
    ASSERT_EQ(&second, &first) << "the record is recycled";
#ifndef __EMSCRIPTEN__
    // Natively Box2D hands the new body the old one's memory; in WebAssembly its allocator puts
    // it elsewhere, and only the record is recycled.
    ASSERT_EQ(second.body, firstBody) << "and so is the body's memory";
#endif
    std::vector<b2Vec2> shown;
    h.Run(500, 60, [&] { shown.push_back(h.Shown(second)); });
    for (const b2Vec2& at : shown)
        ASSERT_TRUE(std::abs(at.x + 100.0f) < 1e-3f && at.y <= 20.0f + 1e-3f && at.y > 15.0f) << at.x << ", " << at.y;
}

TEST(PicturesTest, BetweenTicksEveryFrameMovesOnePerTickOnlyTheTicksOwnPictureByteForByte)
{
    const struct {
        Pictures pictures;
        int fewestChanged;
        int mostChanged;
    } rows[] = {{Pictures::BetweenTicks, 540, 600}, {Pictures::OnePerTick, 150, 201}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pictures == Pictures::OnePerTick ? "one per tick" : "between ticks");
        ManualClock clock(1000);
        Toy toy(clock, WorldKind::Cascadium, row.pictures);
        toy.Resize(800, 480);
        std::vector<std::uint32_t> shown(800 * 480), today(800 * 480);
        const PixelImage picture{reinterpret_cast<unsigned char*>(shown.data()), 800, 480, 800 * 4};
        toy.DrawFrame(picture);
        int changed = 0;
        int differ = 0;
        // Ten seconds at 60 frames a second (200 ticks, and the one before), once the first
        // objects have fallen into view.
        for (std::uint32_t t = 1; t <= 15000; ++t) {
            clock.Advance(1);
            toy.TickIfDue();
            if (t <= 5000 || t * 60 / 1000 == (t - 1) * 60 / 1000) continue;
            changed += toy.DrawFrame(picture).empty() ? 0 : 1;
            if (row.pictures == Pictures::OnePerTick) {
                AliasedSurface surface({reinterpret_cast<unsigned char*>(today.data()), 800, 480, 800 * 4});
                RenderScene(toy.GetScene(), 800, 480, surface);
                differ += shown == today ? 0 : 1;
            }
        }
        EXPECT_GE(changed, row.fewestChanged);
        EXPECT_LE(changed, row.mostChanged);
        EXPECT_EQ(differ, 0);
    }
}

}  // namespace
