#include "toy/Toy.h"

#include "scene/SceneObject.h"
#include "tests/render/PixelPrinting.h"
#include "tests/support/WorldKindPrinting.h"

#include <box2d/box2d.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int Width = 800;
constexpr int Height = 480;

// What a shell hands the toy, one row of input at a time.
struct Input {
    enum Kind { Press, PressOther, Move, Hover, Release, ReleaseOther, FocusLost } kind;
    int x = 100;
    int y = 100;
};

// A shell's picture of the whole view, all black when made, as a shell makes one for each size.
struct Picture {
    Picture(int w, int h) : pixels(static_cast<std::size_t>(w * h)), width(w), height(h) {}
    std::vector<PixelRect> Draw(Toy& toy)
    {
        return toy.DrawFrame({reinterpret_cast<unsigned char*>(pixels.data()), width, height, width * 4});
    }
    std::vector<std::uint32_t> pixels;
    int width;
    int height;
};

// The fill colours of a world's entries, as the toy's scene or a scene built afresh holds them.
std::vector<ColorRef> Fills(const Scene& scene)
{
    std::vector<ColorRef> fills;
    for (const SceneObject* e = scene.FirstObject(); e; e = e->next) fills.push_back(e->fillColor);
    return fills;
}

std::vector<ColorRef> FillsOfWorld(const Clock& clock, WorldKind world)
{
    Toy fresh(clock, world);
    return Fills(fresh.GetScene());
}

void Send(Toy& toy, const Input& input)
{
    switch (input.kind) {
    case Input::Press:
        return toy.PointerPressed(PointerButton::Primary, input.x, input.y);
    case Input::PressOther:
        return toy.PointerPressed(PointerButton::Other, input.x, input.y);
    case Input::Move:
        return toy.PointerMoved(input.x, input.y, true);
    case Input::Hover:
        return toy.PointerMoved(input.x, input.y, false);
    case Input::Release:
        return toy.PointerReleased(PointerButton::Primary);
    case Input::ReleaseOther:
        return toy.PointerReleased(PointerButton::Other);
    case Input::FocusLost:
        return toy.FocusLost();
    }
}

// The objects dropped after the first `scenery` entries, in order: "B" a box, "C" a disc.
std::string Drops(const Scene& scene, std::size_t scenery)
{
    std::string drops;
    std::size_t i = 0;
    for (const SceneObject* e = scene.FirstObject(); e; e = e->next) {
        if (i++ < scenery) continue;
        drops += e->body->GetFixtureList()->GetType() == b2Shape::e_circle ? "C" : "B";
    }
    return drops;
}

TEST(ToyTest, OnlyAPrimaryDragDropsAlternatingABoxFirstAndOnlyInsideTheView)
{
    using K = Input::Kind;
    const struct {
        const char* rule;
        std::vector<Input> inputs;
        const char* drops;
    } rows[] = {
        {"a press drops a box at once", {{K::Press}}, "B"},
        {"moves while held alternate disc and box", {{K::Press}, {K::Move}, {K::Move}, {K::Move}}, "BCBC"},
        {"a hover drops nothing", {{K::Hover}, {K::Hover, 200}}, ""},
        {"a move with the button held but no press drops nothing", {{K::Move}}, ""},
        {"a release ends the drag", {{K::Press}, {K::Release}, {K::Move}}, "B"},
        {"a hover ends a drag whose release was never heard", {{K::Press}, {K::Hover}, {K::Move}}, "B"},
        {"losing the focus ends the drag", {{K::Press}, {K::FocusLost}, {K::Move}}, "B"},
        {"other buttons neither drop nor end the drag",
         {{K::PressOther}, {K::Press}, {K::ReleaseOther}, {K::Move}},
         "BC"},
        {"moves outside the view drop nothing, the drag goes on inside",
         {{K::Press, 0, 0},
          {K::Move, -1, 100},
          {K::Move, 100, -1},
          {K::Move, Width, 100},
          {K::Move, 100, Height},
          {K::Move, Width - 1, Height - 1}},
         "BC"},
    };
    for (const auto& row : rows) {
        // The cradle spawns nothing, and the clock stands still: every entry after its
        // scenery is a drop.
        const ManualClock clock(1000);
        Toy toy(clock, WorldKind::NewtonsCradle);
        toy.Resize(Width, Height);
        const std::size_t scenery = Fills(toy.GetScene()).size();
        for (const Input& input : row.inputs) Send(toy, input);
        EXPECT_EQ(Drops(toy.GetScene(), scenery), row.drops) << row.rule;
    }
}

TEST(ToyTest, DigitsShowTheWorldsInTheTablesOrderQAndEscapeEndAndModifiedKeysAreThePlatforms)
{
    const struct {
        const char* key;
        ToyKey toyKey;
        KeyOutcome outcome;
        WorldKind world;
    } rows[] = {
        {"1", {U'1'}, KeyOutcome::WorldShown, WorldKind::Cascadium},
        {"2", {U'2'}, KeyOutcome::WorldShown, WorldKind::NewtonsCradle},
        {"3", {U'3'}, KeyOutcome::WorldShown, WorldKind::PachinkoMachine},
        {"q", {U'q'}, KeyOutcome::End, WorldKind::PachinkoMachine},
        {"Escape", {EscapeCharacter}, KeyOutcome::End, WorldKind::PachinkoMachine},
        {"0", {U'0'}, KeyOutcome::Ignored, WorldKind::PachinkoMachine},
        {"4", {U'4'}, KeyOutcome::Ignored, WorldKind::PachinkoMachine},
        {"Q", {U'Q'}, KeyOutcome::Ignored, WorldKind::PachinkoMachine},
        {"w", {U'w'}, KeyOutcome::Ignored, WorldKind::PachinkoMachine},
        {"a key that types nothing", {0}, KeyOutcome::Ignored, WorldKind::PachinkoMachine},
        {"Ctrl+2", {U'2', true}, KeyOutcome::NotOurs, WorldKind::PachinkoMachine},
        {"Alt+q", {U'q', true}, KeyOutcome::NotOurs, WorldKind::PachinkoMachine},
        {"a repeated 2", {U'2', false, true}, KeyOutcome::NotOurs, WorldKind::PachinkoMachine},
    };
    const ManualClock clock(1000);
    Toy toy(clock, WorldKind::PachinkoMachine);
    for (const auto& row : rows) {
        toy.ShowWorld(WorldKind::PachinkoMachine);
        EXPECT_EQ(toy.KeyPressed(row.toyKey), row.outcome) << row.key;
        EXPECT_EQ(toy.CurrentWorld(), row.world) << row.key;
        EXPECT_EQ(Fills(toy.GetScene()), FillsOfWorld(clock, row.world)) << row.key << ": the scene holds the world";
    }
    for (const WorldKind next : {WorldKind::Cascadium, WorldKind::NewtonsCradle, WorldKind::PachinkoMachine}) {
        toy.ShowNextWorld();
        EXPECT_EQ(toy.CurrentWorld(), next);
        EXPECT_EQ(Fills(toy.GetScene()), FillsOfWorld(clock, next)) << next << ": the scene holds the world";
    }
}

TEST(ToyTest, OneTickAnIntervalAtMostOneAReadingAndMissedIntervalsDropped)
{
    const struct {
        const char* rule;
        std::uint32_t start;
        std::vector<std::uint32_t> readings;  // ms after the start
        int ticks;
    } rows[] = {
        {"none before the first interval", 1000, {0, 49}, 0},
        {"one at the interval", 1000, {50}, 1},
        {"no second tick at the same reading", 1000, {50, 50, 50}, 1},
        {"the beat is kept when a tick is late", 1000, {50, 99, 100, 149, 150}, 3},
        {"missed intervals are dropped, not run back to back", 1000, {50, 500, 500, 549, 550}, 3},
        {"across the wrap of the clock", 0xFFFFFFE0u, {10, 50, 50, 100}, 2},
    };
    for (const auto& row : rows) {
        ManualClock clock(row.start);
        Toy toy(clock, WorldKind::NewtonsCradle);
        Picture picture(4, 4);
        toy.Resize(4, 4);
        picture.Draw(toy);
        int ticks = 0;
        for (const std::uint32_t reading : row.readings) {
            clock.Set(row.start + reading);
            toy.TickIfDue();
            ticks += toy.FrameDue();  // a tick makes a frame due
            picture.Draw(toy);
        }
        EXPECT_EQ(ticks, row.ticks) << row.rule;
    }
}

// A shell gives the toy a new picture, all black, whenever the view's size changes, by however
// little: the next frame fills it and shows it whole, as the first frame of a fresh toy does.
TEST(ToyTest, AResizeByEvenOnePixelDrawsTheWholePictureAgain)
{
    for (const auto& [width, height] : std::vector<std::pair<int, int>>{
             {Width + 1, Height}, {Width, Height + 1}, {Width - 1, Height}, {Width, Height - 1}, {Width, Height}}) {
        ManualClock clock(1000);
        Toy toy(clock, WorldKind::Cascadium);
        toy.Resize(Width, Height);
        Picture(Width, Height).Draw(toy);
        Picture resized(width, height);
        toy.Resize(width, height);
        const std::vector<PixelRect> shown = resized.Draw(toy);

        Toy fresh(clock, WorldKind::Cascadium);
        Picture expected(width, height);
        fresh.Resize(width, height);
        EXPECT_EQ(shown, expected.Draw(fresh)) << width << "x" << height;
        EXPECT_TRUE(resized.pixels == expected.pixels) << width << "x" << height;
    }
}

}  // namespace
