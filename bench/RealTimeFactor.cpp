// cascadium-rtf: simulated seconds per CPU second of each world at steady state, over ten
// simulated minutes after the warm-up. Built natively and for WebAssembly, so that the two
// compare in one run (bench/web-rtf.sh).
#include "bench/WarmScene.h"
#include "scene/WorldKind.h"
#include "scene/WorldTable.h"

#include <cstdio>
#include <ctime>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#endif

namespace {

#ifdef __EMSCRIPTEN__
// Under node, std::clock counts wall time; node itself knows its process's CPU time.
// clang-format off
EM_JS(double, CpuSeconds, (), {
    const used = process.cpuUsage();
    return (used.user + used.system) / 1e6;
});
// clang-format on
#else
double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}
#endif

}  // namespace

int main()
{
    constexpr std::uint32_t RunMs = 10 * 60 * 1000;
    for (const WorldKind world : EveryWorld) {
        WarmScene warm(world);
        const double start = CpuSeconds();
        warm.Run(RunMs);
        std::printf("%s %.1f\n", ShortNameOf(world), RunMs / 1000.0 / (CpuSeconds() - start));
    }
    return 0;
}
