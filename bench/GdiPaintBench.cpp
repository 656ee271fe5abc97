// What one paint of a busy scene costs through GDI at 1920 x 1080, beside a bare clear and
// copy of the same back buffer: the share of a paint spent drawing the entries. Prints
// figures only.

#include "render/Renderer.h"
#include "render/gdi/BackBuffer.h"
#include "render/gdi/GdiSurface.h"
#include "scene/NullSceneShell.h"
#include "scene/Scene.h"
#include "scene/ShellDefaults.h"

#include <windows.h>

#include <chrono>
#include <cstdio>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Paints = 200;

// Milliseconds per call of `paint`, averaged over Paints calls after one warm-up.
template <typename Paint>
double MillisecondsPerPaint(Paint paint)
{
    paint();
    GdiFlush();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Paints; ++i) {
        paint();
        GdiFlush();
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / Paints;
}

}  // namespace

int main()
{
    // Thirty simulated seconds of the Cascadium world: the spawner has filled it.
    ManualClock clock(1000);
    NullSceneShell shell;
    Scene scene(clock, shell);
    scene.ResetWorld(WorldKind::Cascadium);
    for (int tick = 0; tick < 600; ++tick) {
        clock.Advance(TickIntervalMs);
        scene.TickScene(WorldKind::Cascadium);
    }

    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, Width, Height, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    BackBuffer back;
    BackBuffer screen;  // stands in for the window's paint context
    back.CreateBackBuffer(window, Width, Height);
    screen.CreateBackBuffer(window, Width, Height);

    const double full = MillisecondsPerPaint([&] {
        GdiSurface surface(back.Dc(), screen.Dc());
        RenderScene(scene, Width, Height, surface);
    });
    const double bare = MillisecondsPerPaint([&] {
        GdiSurface surface(back.Dc(), screen.Dc());
        surface.Clear(Width, Height);
        surface.Present(Width, Height);
    });

    std::printf("GDI paint at %dx%d, %d entries, %d paints each\n", Width, Height, scene.ObjectCount(), Paints);
    std::printf("  full scene:   %8.3f ms per paint\n", full);
    std::printf("  clear + copy: %8.3f ms per paint\n", bare);
    std::printf("  ratio:        %8.2f\n", bare > 0 ? full / bare : 0.0);
    DestroyWindow(window);
    return 0;
}
