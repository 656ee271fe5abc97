// Runs each world for a long simulated time (24 hours unless told otherwise) and prints, per
// simulated hour, the records and springs ever allocated, the live entries and whether any
// body went NaN. Records are recycled: they grow only when more entries are live at once than
// ever before, so each count matches its peak of live entries.
#include "scene/AllFinite.h"
#include "scene/NullSceneShell.h"
#include "scene/Scene.h"
#include "scene/ShellDefaults.h"
#include "scene/WorldTable.h"
#include "tools/RunProgress.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// The most entries and springs ever live at once: records are allocated only beyond these.
class PeakCounter final : public SceneObserver {
public:
    explicit PeakCounter(const Scene& scene) : m_scene(scene) {}
    void OnLinked(const SceneObject& entry) override
    {
        peakEntries = std::max(peakEntries, m_scene.ObjectCount());
        if (entry.spring) peakSprings = std::max(peakSprings, ++liveSprings);
    }
    void OnRemoved(const SceneObject& entry, RemovalReason) override
    {
        if (entry.spring) --liveSprings;
    }

    int peakEntries = 0;
    int peakSprings = 0;

private:
    const Scene& m_scene;
    int liveSprings = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    const int hours = argc > 1 ? std::atoi(argv[1]) : 24;
    if (hours <= 0) {
        std::fprintf(stderr, "usage: cascadium-soak [HOURS]\n");
        return 2;
    }
    bool clean = true;
    const std::uint64_t hourMs = 3600u * 1000u;
    RunProgress progress("cascadium-soak", WorldCount * static_cast<std::uint64_t>(hours) * hourMs);
    for (WorldKind world : EveryWorld) {
        const int worldsDone = static_cast<int>(world);
        ManualClock clock(1000);
        NullSceneShell shell;
        Scene scene(clock, shell);
        scene.Rng().Seed(4242);
        PeakCounter peaks(scene);
        scene.SetObserver(&peaks);
        scene.ResetWorld(world);
        const auto start = std::chrono::steady_clock::now();
        std::size_t firstHourRecords = 0;
        std::size_t firstHourSprings = 0;
        for (int hour = 1; hour <= hours; ++hour) {
            const std::uint64_t hoursDone = static_cast<std::uint64_t>(worldsDone * hours + hour - 1);
            for (int tick = 0; tick < 3600 * 20; ++tick) {
                clock.Advance(TickIntervalMs);
                scene.TickScene(world);
                progress.Report(hoursDone * hourMs + static_cast<std::uint64_t>(tick + 1) * 50u);
            }
            progress.Erase();
            const bool finite = AllFinite(*scene.World());
            clean = clean && finite;
            if (hour == 1) {
                firstHourRecords = scene.ObjectRecordsAllocated();
                firstHourSprings = scene.SpringRecordsAllocated();
            }
            std::printf("%-9s hour %2d: records %zu (peak live %d) springs %zu (peak live %d) live %d population %d "
                        "finite %s\n",
                        ShortNameOf(world), hour, scene.ObjectRecordsAllocated(), peaks.peakEntries,
                        scene.SpringRecordsAllocated(), peaks.peakSprings, scene.ObjectCount(), scene.Population(),
                        finite ? "yes" : "NO");
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-9s %d h simulated in %.1f s; records grew by %zu after the first hour, springs by %zu\n",
                    ShortNameOf(world), hours, seconds, scene.ObjectRecordsAllocated() - firstHourRecords,
                    scene.SpringRecordsAllocated() - firstHourSprings);
        std::fflush(stdout);
        scene.SetObserver(nullptr);
    }
    return clean ? 0 : 1;
}
