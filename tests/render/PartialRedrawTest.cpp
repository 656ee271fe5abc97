#include "render/PartialRedraw.h"
#include "render/Renderer.h"
#include "tests/support/SceneFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int Width = 800;
constexpr int Height = 480;

struct Picture {
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(static_cast<std::size_t>(Width) * Height);
    PixelImage Image() { return {reinterpret_cast<unsigned char*>(pixels.data()), Width, Height, Width * 4}; }
};

using PartialRedrawTest = SceneFixture;

TEST_F(PartialRedrawTest, FramesRedrawnWhereTheyChangedEndAsTheWholeFrame)
{
    scene.ResetWorld(WorldKind::Cascadium);
    PartialRedraw redraw;
    Picture kept;
    redraw.Draw(scene, kept.Image(), true);
    for (int frame = 0; frame < 60; ++frame) {
        RunFor(WorldKind::Cascadium, 50);
        const std::vector<PixelRect> areas = redraw.Draw(scene, kept.Image(), false);
        EXPECT_FALSE(areas.empty());
    }
    Picture whole;
    AliasedSurface surface(whole.Image());
    RenderScene(scene, Width, Height, surface);

    std::size_t differing = 0;
    for (std::size_t i = 0; i < whole.pixels.size(); ++i) differing += kept.pixels[i] != whole.pixels[i];
    EXPECT_EQ(differing, 0u);
}

TEST_F(PartialRedrawTest, AFrameLikeTheLastDrawsNothing)
{
    scene.ResetWorld(WorldKind::Cascadium);
    PartialRedraw redraw;
    Picture kept;
    redraw.Draw(scene, kept.Image(), true);
    EXPECT_TRUE(redraw.Draw(scene, kept.Image(), false).empty());
    EXPECT_EQ(redraw.Draw(scene, kept.Image(), true).size(), 1u);
}

}  // namespace
