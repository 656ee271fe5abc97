#include "render/gdi/GdiSurface.h"
#include "render/Renderer.h"
#include "render/gdi/BackBuffer.h"
#include "scene/Scene.h"
#include "tests/win/support/Pixels.h"

#include "tests/support/RecordingShell.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF LineColour = RGB(255, 0, 0);
constexpr COLORREF FillColour = RGB(0, 255, 0);
constexpr COLORREF MarkColour = RGB(0, 0, 255);
constexpr COLORREF BlackColour = RGB(0, 0, 0);
constexpr COLORREF WhiteColour = RGB(255, 255, 255);

// A back buffer of a hidden window to draw into, and a second buffer standing in for the
// window's paint context.
class GdiSurfaceTest : public ::testing::Test {
protected:
    static constexpr int W = 120;
    static constexpr int H = 80;

    void SetUp() override
    {
        m_window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, W, H, nullptr, nullptr, GetModuleHandleW(nullptr),
                                   nullptr);
        ASSERT_NE(m_window, nullptr);
        m_back.CreateBackBuffer(m_window, W, H);
        m_screen.CreateBackBuffer(m_window, W, H);
        PatBlt(m_back.Dc(), 0, 0, W, H, WHITENESS);
        PatBlt(m_screen.Dc(), 0, 0, W, H, WHITENESS);
    }
    void TearDown() override { DestroyWindow(m_window); }

    Pixels Back() const { return Pixels(m_back.Dc(), W, H); }

    HWND m_window = nullptr;
    BackBuffer m_back;
    BackBuffer m_screen;
};

TEST_F(GdiSurfaceTest, ClearBlackensEveryPixelIncludingTheEdges)
{
    GdiSurface surface(m_back.Dc(), m_screen.Dc());
    surface.Clear(W, H);
    EXPECT_EQ(Back().Count(BlackColour), W * H);
}

TEST_F(GdiSurfaceTest, AnEntryFillsAndOutlinesItsShapes)
{
    GdiSurface surface(m_back.Dc(), m_screen.Dc());
    surface.Clear(W, H);
    surface.BeginEntry(LineColour, FillColour, MarkColour);
    surface.Ellipse(PixelRect{10, 10, 50, 50});
    const PixelPoint square[] = {{60, 10}, {100, 10}, {100, 50}, {60, 50}, {60, 10}};
    surface.Polygon(square, 5);
    const PixelPoint line[] = {{10, 70}, {110, 70}};
    surface.Polyline(line, 2);
    surface.EndEntry();

    const Pixels pixels = Back();
    EXPECT_EQ(pixels.At(30, 30), FillColour);
    EXPECT_EQ(pixels.At(10, 30), LineColour);
    EXPECT_EQ(pixels.At(80, 30), FillColour);
    EXPECT_EQ(pixels.At(60, 30), LineColour);
    EXPECT_EQ(pixels.At(50, 70), LineColour);
    EXPECT_EQ(pixels.At(55, 30), BlackColour);
}

TEST_F(GdiSurfaceTest, AnEntrysPenAndBrushesAreDeselectedAndDeletedAtItsEnd)
{
    GdiSurface surface(m_back.Dc(), m_screen.Dc());
    surface.Clear(W, H);
    const HGDIOBJ defaultPen = GetCurrentObject(m_back.Dc(), OBJ_PEN);
    EXPECT_EQ(GetCurrentObject(m_back.Dc(), OBJ_BRUSH), GetStockObject(NULL_BRUSH));

    surface.BeginEntry(LineColour, FillColour, MarkColour);
    const HGDIOBJ pen = GetCurrentObject(m_back.Dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(m_back.Dc(), OBJ_BRUSH);
    EXPECT_NE(pen, defaultPen);
    EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
    surface.EndEntry();

    EXPECT_EQ(GetCurrentObject(m_back.Dc(), OBJ_PEN), defaultPen);
    EXPECT_EQ(GetCurrentObject(m_back.Dc(), OBJ_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST_F(GdiSurfaceTest, TheRingQuarterFillsOnlyTheRingInsideTheWedge)
{
    GdiSurface surface(m_back.Dc(), m_screen.Dc());
    surface.Clear(W, H);
    // A disc of radius 20 at (60, 40); the wedge opens downwards (the mark of an unturned body).
    surface.BeginEntry(LineColour, FillColour, MarkColour);
    surface.Ellipse(PixelRect{40, 20, 80, 60});
    const PixelPoint wedge[] = {{60, 40}, {88, 68}, {32, 68}, {60, 40}};
    surface.RingQuarter(PixelRect{41, 21, 79, 59}, PixelRect{45, 25, 75, 55}, wedge);
    surface.EndEntry();

    const Pixels pixels = Back();
    EXPECT_EQ(pixels.At(60, 57), MarkColour);  // the ring, straight below the centre
    EXPECT_EQ(pixels.At(60, 23), FillColour);  // the ring above the centre: outside the wedge
    EXPECT_EQ(pixels.At(43, 40), FillColour);  // the ring to the left: outside the wedge
    EXPECT_EQ(pixels.At(60, 50), FillColour);  // inside the inner ellipse
    EXPECT_GT(pixels.Count(MarkColour), 20);
}

TEST_F(GdiSurfaceTest, PresentCopiesTheWholePicture)
{
    GdiSurface surface(m_back.Dc(), m_screen.Dc());
    surface.Clear(W, H);
    surface.Present(W, H);
    EXPECT_EQ(Pixels(m_screen.Dc(), W, H).Count(BlackColour), W * H);
}

TEST_F(GdiSurfaceTest, AMarkedDiscOfTheSceneShowsItsQuarterRingBelowTheCentre)
{
    ManualClock clock(1000);
    RecordingShell shell;
    Scene scene(clock, shell);
    scene.ResetWorld(WorldKind::Cascadium);
    while (scene.FirstObject()) scene.RemoveObject(scene.FirstObject());
    // Radius 2 at world (0, 5): 16 pixels per unit in an 800 x 480 picture.
    scene.CreateObject(2.0f, 2.0f, 50.0f, 40.0f, 0.0f, 5.0f, ObjectShape::Circle, 1);
    const SceneObject& disc = *scene.LastObject();
    ASSERT_NE(disc.markColor, 0u);

    m_back.CreateBackBuffer(m_window, 800, 480);
    m_screen.CreateBackBuffer(m_window, 800, 480);
    GdiSurface surface(m_back.Dc(), m_screen.Dc());
    RenderScene(scene, 800, 480, surface);

    const Pixels pixels(m_screen.Dc(), 800, 480);
    // Centre (400, 400), 32 pixels of radius: the ring from 24 to 30.4 pixels, in the lower
    // quarter only.
    EXPECT_EQ(pixels.At(400, 400), disc.fillColor);
    EXPECT_EQ(pixels.At(400, 427), disc.markColor);
    EXPECT_EQ(pixels.At(400, 373), disc.fillColor);
    EXPECT_EQ(pixels.At(373, 400), disc.fillColor);
    EXPECT_GT(pixels.CountIn(RECT{368, 401, 433, 440}, disc.markColor), 150);
    EXPECT_EQ(pixels.CountIn(RECT{360, 360, 441, 400}, disc.markColor), 0);
    EXPECT_EQ(pixels.At(10, 10), BlackColour);
}

TEST(BackBufferTest, MatchesTheRequestedSizeAndReplacesTheOldBuffer)
{
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    BackBuffer buffer;
    EXPECT_EQ(buffer.Dc(), nullptr);

    buffer.CreateBackBuffer(window, 300, 200);
    BITMAP bitmap{};
    GetObjectW(buffer.Bitmap(), sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 300);
    EXPECT_EQ(bitmap.bmHeight, 200);
    const HDC oldDc = buffer.Dc();
    const HBITMAP oldBitmap = buffer.Bitmap();

    // A minimised window: the platform still gives a 1 x 1 bitmap.
    buffer.CreateBackBuffer(window, 0, 0);
    ASSERT_NE(buffer.Dc(), nullptr);
    GetObjectW(buffer.Bitmap(), sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 1);
    EXPECT_EQ(bitmap.bmHeight, 1);
    EXPECT_EQ(GetObjectType(oldBitmap), 0u);
    EXPECT_NE(GetObjectType(buffer.Dc()), 0u);
    if (buffer.Dc() != oldDc) {
        EXPECT_EQ(GetObjectType(oldDc), 0u);
    }
    DestroyWindow(window);
}

}  // namespace
