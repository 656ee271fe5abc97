// The cost of one timer tick at steady state, beside the physics steps inside it, and how
// many simulated seconds each world runs per CPU second.
#include "bench/WarmScene.h"
#include "scene/WorldTable.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Ticks at steady state. The counters split each tick into the physics steps (Box2D's own
// profile of every Step call) and what the scene adds: spawning, the sweep, the conveyor and
// the springs.
void TickAtSteadyState(benchmark::State& state)
{
    WarmScene warm(static_cast<WorldKind>(state.range(0)));
    state.SetLabel(ShortNameOf(warm.world));
    const double physicsBefore = warm.scene.PhysicsMilliseconds();
    const std::uint64_t stepsBefore = warm.scene.StepCount();
    double wallMs = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        warm.Tick();
        wallMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    const double ticks = static_cast<double>(state.iterations());
    const double physicsMs = warm.scene.PhysicsMilliseconds() - physicsBefore;
    state.counters["steps_per_tick"] = static_cast<double>(warm.scene.StepCount() - stepsBefore) / ticks;
    state.counters["tick_us"] = wallMs * 1000.0 / ticks;
    state.counters["physics_us"] = physicsMs * 1000.0 / ticks;
    state.counters["scene_overhead_pct"] = 100.0 * (wallMs - physicsMs) / physicsMs;
    state.counters["live_entries"] = warm.scene.ObjectCount();
}

// Simulated seconds per CPU second, over ten simulated minutes after the warm-up.
void RealTimeFactor(benchmark::State& state)
{
    for (auto _ : state) {
        WarmScene warm(static_cast<WorldKind>(state.range(0)));
        state.SetLabel(ShortNameOf(warm.world));
        const double cpuStart = CpuSeconds();
        warm.Run(10 * 60 * 1000);
        const double cpu = CpuSeconds() - cpuStart;
        state.counters["sim_s_per_cpu_s"] = 600.0 / cpu;
    }
}

// Every world, by its number.
constexpr int LastWorld = static_cast<int>(WorldCount) - 1;

}  // namespace

BENCHMARK(TickAtSteadyState)->ArgName("world")->DenseRange(0, LastWorld)->MinTime(2.0)->Unit(benchmark::kMicrosecond);
BENCHMARK(RealTimeFactor)->ArgName("world")->DenseRange(0, LastWorld)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
