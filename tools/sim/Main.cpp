// cascadium-sim: one world headless on a simulated clock, for traces, figures and pictures.
#include "Scene.h"
#include "ScenePng.h"
#include "SimOptions.h"
#include "SimRecorder.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

class NullShell final : public SceneShell {
public:
    void CheckWorldItem(int, bool) override {}
    void RequestRedraw() override {}
};

// Milliseconds since boot, as GetTickCount reads on Windows.
std::uint32_t MillisecondsSinceBoot()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                                      static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u);
}

const char* WorldName(int world)
{
    return world == NewtonsCradle ? "cradle" : world == PachinkoMachine ? "pachinko" : "cascadium";
}

bool WritePicture(const Scene& scene, const SimOptions& o, const std::string& path)
{
    if (WriteScenePng(scene, o.width, o.height, path.c_str())) return true;
    std::fprintf(stderr, "cascadium-sim: cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const SimOptionsResult parsed = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "cascadium-sim: %s\n", parsed.error.c_str());
        return 2;
    }
    const SimOptions& o = parsed.options;
    if (o.help) {
        std::fputs(SimUsage, stdout);
        return 0;
    }

    const std::uint32_t start = o.startMs.value_or(MillisecondsSinceBoot());
    ManualClock clock(start);
    NullShell shell;
    Scene scene(clock, shell);
    const std::uint32_t seed = o.seed.value_or(start);
    scene.Rng().Seed(seed);
    SimRecorder recorder(scene, o.trace ? stdout : nullptr);
    scene.SetObserver(&recorder);
    scene.ResetWorld(o.world);

    const auto totalMs = static_cast<std::uint64_t>(o.seconds * 1000.0);
    std::uint64_t ticks = 0;
    for (std::uint64_t elapsed = o.tickMs; elapsed <= totalMs; elapsed += o.tickMs) {
        clock.Advance(o.tickMs);
        scene.TickScene(o.world);
        if (!o.framesDir.empty()) {
            char name[32];
            std::snprintf(name, sizeof name, "/frame-%04llu.png", static_cast<unsigned long long>(ticks));
            if (!WritePicture(scene, o, o.framesDir + name)) return 1;
        }
        ++ticks;
    }
    if (!o.png.empty() && !WritePicture(scene, o, o.png)) return 1;

    std::printf("{\"summary\":true,\"world\":\"%s\",\"seed\":%u,\"start_ms\":%u,\"end_ms\":%u,\"ticks\":%llu,"
                "\"steps\":%llu,\"live_entries\":%d,\"population\":%d,\"bodies\":%d,\"joints\":%d,"
                "\"records_allocated\":%zu,\"springs_allocated\":%zu,\"peak_live_entries\":%d,"
                "\"peak_population\":%d}\n",
                WorldName(o.world), seed, start, clock.Now(), static_cast<unsigned long long>(ticks),
                static_cast<unsigned long long>(scene.StepCount()), scene.ObjectCount(), scene.Population(),
                scene.World()->GetBodyCount(), scene.World()->GetJointCount(), scene.ObjectRecordsAllocated(),
                scene.SpringRecordsAllocated(), recorder.PeakLiveEntries(), recorder.PeakPopulation());
    scene.SetObserver(nullptr);
    return 0;
}
