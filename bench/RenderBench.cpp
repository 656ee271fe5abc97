// Drawing one 1920 x 1080 frame of a busy scene: the renderer alone on a surface that only
// counts, the whole picture on the Cairo surface (PNG pictures) and on the aliased surface, and
// the X11 window's frame, which redraws only where the picture changed since the tick before:
// once a tick, of the tick's own state, and 60 times a second, placed between the recorded steps.
#include "render/Renderer.h"
#include "render/aliased/AliasedSurface.h"
#include "render/cairo/CairoHandles.h"
#include "render/cairo/CairoSurface.h"
#include "render/damage/PartialRedraw.h"
#include "scene/NullSceneShell.h"
#include "scene/Scene.h"
#include "scene/ShellDefaults.h"
#include "scene/WorldTable.h"
#include "toy/Toy.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int FrameWidth = 1920;
constexpr int FrameHeight = 1080;
constexpr int TicksPerMinute = 60 * 1000 / static_cast<int>(TickIntervalMs);

// Counts the shapes it is given and draws nothing: what is left is the renderer's own cost.
class CountingSurface final : public DrawSurface {
public:
    void Clear(int, int) override {}
    void BeginEntry(ColorRef, ColorRef, ColorRef) override { ++entries; }
    void EndEntry() override {}
    void Polyline(const PixelPoint* points, int count) override { Take(points, count); }
    void Ellipse(const PixelRect& box) override { Take(&box, 1); }
    void Polygon(const PixelPoint* points, int count) override { Take(points, count); }
    void RingQuarter(const PixelRect& outer, const PixelRect&, const PixelPoint* wedge) override
    {
        Take(&outer, 1);
        Take(wedge, 4);
    }
    void Present(int, int) override {}

    long entries = 0;
    long shapes = 0;

private:
    template <typename T>
    void Take(const T* data, int count)
    {
        benchmark::DoNotOptimize(data);
        benchmark::DoNotOptimize(count);
        ++shapes;
    }
};

// A world run for a simulated minute at the windows' tick, so the spawner has filled it.
struct BusyScene {
    explicit BusyScene(WorldKind world) : scene(clock, shell)
    {
        scene.ResetWorld(world);
        for (int i = 0; i < TicksPerMinute; ++i) {
            clock.Advance(TickIntervalMs);
            scene.TickScene(world);
        }
    }

    ManualClock clock{1};
    NullSceneShell shell;
    Scene scene;
};

// Each world's busy scene, made the first time a benchmark draws it.
const Scene& BusySceneOf(WorldKind world)
{
    static std::unique_ptr<BusyScene> scenes[WorldCount];
    std::unique_ptr<BusyScene>& busy = scenes[static_cast<std::size_t>(world)];
    if (!busy) busy = std::make_unique<BusyScene>(world);
    return busy->scene;
}

void ReportScene(benchmark::State& state, const Scene& scene)
{
    state.counters["entries"] = static_cast<double>(scene.ObjectCount());
    state.counters["population"] = static_cast<double>(scene.Population());
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void RenderCounting(benchmark::State& state, WorldKind world)
{
    const Scene& scene = BusySceneOf(world);
    CountingSurface surface;
    for (auto _ : state) RenderScene(scene, FrameWidth, FrameHeight, surface);
    ReportScene(state, scene);
    state.counters["shapes"] = static_cast<double>(surface.shapes) / static_cast<double>(state.iterations());
}

void RenderCairo(benchmark::State& state, WorldKind world)
{
    const Scene& scene = BusySceneOf(world);
    const CairoSurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, FrameWidth, FrameHeight));
    CairoSurface surface(image.get());
    for (auto _ : state) RenderScene(scene, FrameWidth, FrameHeight, surface);
    ReportScene(state, scene);
}

void RenderAliased(benchmark::State& state, WorldKind world)
{
    const Scene& scene = BusySceneOf(world);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(FrameWidth) * FrameHeight);
    AliasedSurface surface({reinterpret_cast<unsigned char*>(pixels.data()), FrameWidth, FrameHeight, FrameWidth * 4});
    for (auto _ : state) RenderScene(scene, FrameWidth, FrameHeight, surface);
    ReportScene(state, scene);
}

// One tick of the scene between frames, not timed.
void RenderWindowFrame(benchmark::State& state, WorldKind world)
{
    BusyScene busy(world);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(FrameWidth) * FrameHeight);
    const PixelImage image{reinterpret_cast<unsigned char*>(pixels.data()), FrameWidth, FrameHeight, FrameWidth * 4};
    PartialRedraw redraw;
    redraw.Draw(busy.scene, image, FrameWidth, FrameHeight, true);
    double areas = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        busy.clock.Advance(TickIntervalMs);
        busy.scene.TickScene(world);
        state.ResumeTiming();
        areas += static_cast<double>(redraw.Draw(busy.scene, image, FrameWidth, FrameHeight, false).size());
    }
    ReportScene(state, busy.scene);
    state.counters["areas"] = areas / static_cast<double>(state.iterations());
}

// One picture of the toy drawn between ticks, 60 a second, as the X11 window draws them by
// default: the clock and the ticks between pictures are not timed. About one picture in three
// follows a tick.
void RenderWindowBetweenTicks(benchmark::State& state, WorldKind world)
{
    ManualClock clock(1);
    Toy toy(clock, world, Pictures::BetweenTicks);
    toy.Resize(FrameWidth, FrameHeight);
    for (int i = 0; i < TicksPerMinute; ++i) {
        clock.Advance(TickIntervalMs);
        toy.TickIfDue();
    }
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(FrameWidth) * FrameHeight);
    const PixelImage image{reinterpret_cast<unsigned char*>(pixels.data()), FrameWidth, FrameHeight, FrameWidth * 4};
    toy.DrawFrame(image);
    double areas = 0.0;
    std::uint32_t frame = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++frame;
        clock.Advance(frame % 3 == 0 ? 16 : 17);  // 50 ms every three pictures
        toy.TickIfDue();
        state.ResumeTiming();
        areas += static_cast<double>(toy.DrawFrame(image).size());
    }
    ReportScene(state, toy.GetScene());
    state.counters["areas"] = areas / static_cast<double>(state.iterations());
}

}  // namespace

// Every benchmark for every world of the table, named "RenderCairo/pachinko" and so on. The
// partial redraws run a fixed number of pictures (ten seconds' worth after the simulated minute),
// so that every run draws the same ones and an instruction count of them repeats exactly.
int main(int argc, char** argv)
{
    using Frame = void (*)(benchmark::State&, WorldKind);
    const struct {
        const char* name;
        Frame frame;
        benchmark::TimeUnit unit;
        benchmark::IterationCount pictures;  // 0: as many as the timing needs
    } benchmarks[] = {
        {"RenderCounting", RenderCounting, benchmark::kMicrosecond, 0},
        {"RenderCairo", RenderCairo, benchmark::kMillisecond, 0},
        {"RenderAliased", RenderAliased, benchmark::kMillisecond, 0},
        {"RenderWindowFrame", RenderWindowFrame, benchmark::kMillisecond, 10 * 1000 / TickIntervalMs},
        {"RenderWindowBetweenTicks", RenderWindowBetweenTicks, benchmark::kMillisecond, 10 * 60},
    };
    for (const auto& bench : benchmarks) {
        for (const WorldRow& row : WorldTable) {
            const std::string name = std::string(bench.name) + "/" + row.shortName;
            benchmark::internal::Benchmark* registered =
                benchmark::RegisterBenchmark(name.c_str(), bench.frame, row.kind)->Unit(bench.unit);
            if (bench.pictures > 0) registered->Iterations(bench.pictures);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
