// What one paint of a busy scene costs through GDI at 1920 x 1080, beside a bare clear and
// copy of the same back buffer: the share of a paint spent drawing the entries. Then a tick's
// picture of the running scene, drawn and copied whole against only where it changed, as the
// window does. Prints figures only.

#include "render/Renderer.h"
#include "bench/WarmScene.h"
#include "render/gdi/AreaRegion.h"
#include "render/gdi/BackBuffer.h"
#include "render/gdi/GdiPartialRedraw.h"
#include "render/gdi/GdiSurface.h"
#include "scene/NullSceneShell.h"
#include "scene/Scene.h"
#include "scene/ShellDefaults.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Paints = 200;
constexpr int Ticks = 400;

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

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    GdiFlush();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::int64_t PixelsIn(HRGN region)
{
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<char> bytes(size);
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    if (!size || !GetRegionData(region, size, data)) return 0;
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    std::int64_t pixels = 0;
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        pixels += static_cast<std::int64_t>(rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    return pixels;
}

// Ticks of the warm Cascadium world, each picture drawn and copied whole into one pair of
// buffers and, into another, only where it changed, the copy clipped to those areas as the
// window's is at each tick.
void CompareTicks(HWND window)
{
    WarmScene warm(WorldKind::Cascadium);
    BackBuffer wholeBack, partialBack, screen;
    wholeBack.CreateBackBuffer(window, Width, Height);
    partialBack.CreateBackBuffer(window, Width, Height);
    screen.CreateBackBuffer(window, Width, Height);
    GdiPartialRedraw redraw;
    redraw.Draw(warm.scene, partialBack.Dc(), Width, Height, true);
    double whole = 0;
    double partial = 0;
    std::int64_t pixels = 0;
    for (int tick = 0; tick < Ticks; ++tick) {
        warm.Tick();
        auto start = Clock::now();
        GdiSurface wholeSurface(wholeBack.Dc(), screen.Dc());
        RenderScene(warm.scene, Width, Height, wholeSurface);
        whole += MillisecondsSince(start);

        start = Clock::now();
        const GdiObject<HRGN> drawn = redraw.Draw(warm.scene, partialBack.Dc(), Width, Height, false);
        {
            const ClippedTo clip(screen.Dc(), drawn.Get());
            BitBlt(screen.Dc(), 0, 0, Width, Height, partialBack.Dc(), 0, 0, SRCCOPY);
        }
        partial += MillisecondsSince(start);
        pixels += PixelsIn(drawn.Get());
    }
    std::printf("A tick's picture of the running world at %dx%d, %d entries at the end, %d ticks\n", Width, Height,
                warm.scene.ObjectCount(), Ticks);
    std::printf("  whole:        %8.3f ms per tick\n", whole / Ticks);
    std::printf("  changed only: %8.3f ms per tick, %.1f %% of the pixels\n", partial / Ticks,
                100.0 * static_cast<double>(pixels) / Ticks / (static_cast<double>(Width) * Height));
    std::printf("  ratio:        %8.2f\n", partial > 0 ? whole / partial : 0.0);
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
    CompareTicks(window);
    DestroyWindow(window);
    return 0;
}
