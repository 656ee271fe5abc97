#include "render/damage/PartialRedraw.h"
#include "render/Renderer.h"
#include "render/aliased/AliasedSurface.h"
#include "scene/ShellDefaults.h"
#include "tests/support/SceneFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Picture {
    int width;
    int height;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height);
    PixelImage Image() { return {reinterpret_cast<unsigned char*>(pixels.data()), width, height, width * 4}; }
};

using PartialRedrawTest = SceneFixture;

// The picture may hold the whole view or only its top-left corner (a window larger than the
// screen): either way, frames redrawn where they changed end as that part of the whole frame.
TEST_F(PartialRedrawTest, FramesRedrawnWhereTheyChangedEndAsTheWholeFrame)
{
    const struct {
        int width;
        int height;
    } sizes[] = {{DefaultViewWidth, DefaultViewHeight}, {500, 300}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        scene.ResetWorld(WorldKind::Cascadium);
        PartialRedraw redraw;
        Picture kept{size.width, size.height};
        redraw.Draw(scene, kept.Image(), DefaultViewWidth, DefaultViewHeight, true);
        for (int frame = 0; frame < 60; ++frame) {
            RunFor(WorldKind::Cascadium, 50);
            const std::vector<PixelRect> areas =
                redraw.Draw(scene, kept.Image(), DefaultViewWidth, DefaultViewHeight, false);
            // Every frame moves something in the view, though not always within a smaller picture.
            if (size.width == DefaultViewWidth && size.height == DefaultViewHeight) {
                EXPECT_FALSE(areas.empty());
            }
            for (const PixelRect& a : areas) {
                EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= size.width && a.bottom <= size.height);
                EXPECT_TRUE(a.left < a.right && a.top < a.bottom);
            }
        }
        Picture whole{DefaultViewWidth, DefaultViewHeight};
        AliasedSurface surface(whole.Image());
        RenderScene(scene, DefaultViewWidth, DefaultViewHeight, surface);

        std::size_t differing = 0;
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x)
                differing += kept.pixels[static_cast<std::size_t>(y * size.width + x)]
                             != whole.pixels[static_cast<std::size_t>(y * DefaultViewWidth + x)];
        EXPECT_EQ(differing, 0u);
    }
}

TEST_F(PartialRedrawTest, AFrameLikeTheLastDrawsNothing)
{
    scene.ResetWorld(WorldKind::Cascadium);
    PartialRedraw redraw;
    Picture kept{DefaultViewWidth, DefaultViewHeight};
    redraw.Draw(scene, kept.Image(), DefaultViewWidth, DefaultViewHeight, true);
    EXPECT_TRUE(redraw.Draw(scene, kept.Image(), DefaultViewWidth, DefaultViewHeight, false).empty());
    EXPECT_EQ(redraw.Draw(scene, kept.Image(), DefaultViewWidth, DefaultViewHeight, true).size(), 1u);
}

}  // namespace
