// cascadium-rtf: simulated seconds per real second of each world at steady state, over ten
// simulated minutes after the warm-up. Built natively and for WebAssembly, so that the two
// compare in one run (bench/web-rtf.sh). Wall time, not CPU time: under node std::clock
// counts wall time anyway, and the run is single-threaded either way.
#include "bench/WarmScene.h"
#include "scene/WorldKind.h"
#include "scene/WorldTable.h"

#include <chrono>
#include <cstdio>

int main()
{
    constexpr std::uint32_t RunMs = 10 * 60 * 1000;
    for (const WorldKind world : EveryWorld) {
        WarmScene warm(world);
        const auto start = std::chrono::steady_clock::now();
        warm.Run(RunMs);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s %.1f\n", ShortNameOf(world), RunMs / 1000.0 / seconds);
    }
    return 0;
}
