#include "render/cairo/ScenePng.h"
#include "render/cairo/CairoHandles.h"
#include "scene/Scene.h"
#include "tests/support/RecordingShell.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct Rgb8 {
    unsigned r, g, b;
    bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& os, const Rgb8& c)
{
    return os << "rgb(" << c.r << ", " << c.g << ", " << c.b << ')';
}

constexpr Rgb8 Black{0, 0, 0};
constexpr Rgb8 Navy{0, 0, 128};

// A PNG file read back into memory.
class Picture {
public:
    explicit Picture(const std::string& path) : m_image(cairo_image_surface_create_from_png(path.c_str())) {}

    bool Loaded() const { return cairo_surface_status(m_image.get()) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(m_image.get()); }
    int Height() const { return cairo_image_surface_get_height(m_image.get()); }

    Rgb8 At(int x, int y) const
    {
        const unsigned char* row = cairo_image_surface_get_data(m_image.get())
                                   + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(m_image.get());
        const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(row)[x];
        return {(pixel >> 16) & 0xFFu, (pixel >> 8) & 0xFFu, pixel & 0xFFu};
    }

private:
    CairoSurfacePtr m_image;
};

class ScenePngTest : public ::testing::Test {
protected:
    ScenePngTest()
        : dir(std::filesystem::temp_directory_path()
              / ("cascadium-png-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())))
    {
        std::filesystem::create_directories(dir);
    }
    ~ScenePngTest() override { std::filesystem::remove_all(dir); }

    // The world as ResetWorld builds it, written at 800 x 480 (16 pixels to the world unit).
    Picture Write(WorldKind world, const char* name)
    {
        ManualClock clock;
        RecordingShell shell;
        Scene scene(clock, shell);
        scene.ResetWorld(world);
        const std::string path = (dir / name).string();
        std::FILE* out = std::fopen(path.c_str(), "wb");
        EXPECT_TRUE(out && WriteScenePng(scene, 800, 480, out));
        if (out) std::fclose(out);
        return Picture(path);
    }

    std::filesystem::path dir;
};

TEST_F(ScenePngTest, CascadiumShelvesAreNavyOnBlack)
{
    const Picture picture = Write(WorldKind::Cascadium, "cascadium.png");
    ASSERT_TRUE(picture.Loaded());
    EXPECT_EQ(picture.Width(), 800);
    EXPECT_EQ(picture.Height(), 480);
    EXPECT_EQ(picture.At(736, 312), Navy);  // middle of the right shelf, world (21, 10.5)
    EXPECT_EQ(picture.At(64, 120), Navy);   // middle of the left shelf, world (-21, 22.5)
    EXPECT_EQ(picture.At(400, 240), Black);
    EXPECT_EQ(picture.At(0, 0), Black);
}

TEST_F(ScenePngTest, PachinkoPinsAreNavyOnBlack)
{
    const Picture picture = Write(WorldKind::PachinkoMachine, "pachinko.png");
    ASSERT_TRUE(picture.Loaded());
    EXPECT_EQ(picture.At(400, 48), Navy);   // the pin at world (0, 27)
    EXPECT_EQ(picture.At(424, 0), Navy);    // the pin at world (1.5, 30), cut by the top edge
    EXPECT_EQ(picture.At(424, 48), Black);  // between the pins of one row
    EXPECT_EQ(picture.At(799, 479), Black);
}

TEST_F(ScenePngTest, FailuresAreReported)
{
    ManualClock clock;
    RecordingShell shell;
    Scene scene(clock, shell);
    scene.ResetWorld(WorldKind::Cascadium);
    // A stream open only for reading refuses every write.
    std::FILE* readOnly = std::fopen("/dev/null", "rb");
    ASSERT_NE(readOnly, nullptr);
    EXPECT_FALSE(WriteScenePng(scene, 800, 480, readOnly));
    std::fclose(readOnly);
    const std::filesystem::path empty = dir / "empty.png";
    std::FILE* out = std::fopen(empty.string().c_str(), "wb");
    ASSERT_NE(out, nullptr);
    EXPECT_FALSE(WriteScenePng(scene, 0, 480, out));
    std::fclose(out);
    EXPECT_EQ(std::filesystem::file_size(empty), 0u);
}

}  // namespace
