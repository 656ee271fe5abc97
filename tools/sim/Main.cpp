// cascadium-sim: one world headless on a simulated clock, for traces, figures and pictures.
#include "scene/NullSceneShell.h"
#include "scene/Scene.h"
#include "scene/WorldTable.h"
#include "tools/RunProgress.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/SimPicture.h"
#include "tools/sim/SimRecorder.h"
#include "toy/SteadyClock.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets the scene's observer for as long as it lives. Declared after the scene and the
// observer, it detaches first on every return, so the scene's own teardown neither reaches an
// observer that is gone nor adds "cleared" lines after the run.
class ObserverScope {
public:
    ObserverScope(Scene& scene, SceneObserver& observer) : m_scene(scene) { scene.SetObserver(&observer); }
    ~ObserverScope() { m_scene.SetObserver(nullptr); }
    ObserverScope(const ObserverScope&) = delete;
    ObserverScope& operator=(const ObserverScope&) = delete;

private:
    Scene& m_scene;
};

const char* const OutputFailed = "cannot write to standard output";

// One line on stderr, after what stdout holds so far, so that a merged log keeps the order.
int Fail(const std::string& message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "cascadium-sim: %s\n", message.c_str());
    return 1;
}

// Standard output is what a run produces: a write that failed on the way is an error too.
int FinishOutput()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    return Fail(OutputFailed);
}

// Every tick of the run, with a picture of each when asked; what went wrong, or "".
std::string RunTicks(Scene& scene, ManualClock& clock, const SimOptions& o, std::uint64_t& ticks)
{
    // A trace on the terminal shows its own progress; the line would only garble it.
    RunProgress progress("cascadium-sim", o.durationMs, !(o.trace && isatty(STDOUT_FILENO) == 1));
    for (std::uint64_t elapsed = o.tickMs; elapsed <= o.durationMs; elapsed += o.tickMs) {
        clock.Advance(o.tickMs);
        scene.TickScene(o.world);
        if (!o.framesDir.empty()) {
            char name[32];
            std::snprintf(name, sizeof name, "/frame-%04llu.png", static_cast<unsigned long long>(ticks));
            const std::string path = o.framesDir + name;
            if (!WriteSimPicture(scene, o.width, o.height, path.c_str())) return "cannot write " + path;
        }
        if (std::ferror(stdout)) return OutputFailed;  // no use running on into a full disk
        ++ticks;
        progress.Report(elapsed);
    }
    return {};
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
        std::fputs(SimUsage().c_str(), stdout);
        return FinishOutput();
    }
    if (o.listWorlds) {
        for (const WorldRow& row : WorldTable) std::printf("%s\t%s\n", row.shortName, row.displayName);
        return FinishOutput();
    }
    if (!SimDrawsPictures && (!o.png.empty() || !o.framesDir.empty())) {
        std::fputs("cascadium-sim: this build draws no pictures (--png, --frames)\n", stderr);
        return 2;
    }
    // A file grown past the size limit (ulimit -f) is then a write that failed, taken back and
    // said in one line, not a signal that ends the run halfway through a picture.
    std::signal(SIGXFSZ, SIG_IGN);
    // The folder itself, not its parents: a mistyped path is said, as its first picture that
    // cannot be written, rather than made.
    if (!o.framesDir.empty()) mkdir(o.framesDir.c_str(), 0777);

    // Like the programs, a run starts from the monotonic millisecond count (GetTickCount on Windows).
    const std::uint32_t start = o.startMs.value_or(SteadyClock().Now());
    ManualClock clock(start);
    NullSceneShell shell;
    Scene scene(clock, shell);
    const std::uint32_t seed = o.seed.value_or(start);
    scene.Rng().Seed(seed);
    SimRecorder recorder(scene, o.trace ? stdout : nullptr);
    const ObserverScope observing(scene, recorder);
    scene.ResetWorld(o.world);

    std::uint64_t ticks = 0;
    const std::string failure = RunTicks(scene, clock, o, ticks);
    if (!failure.empty()) return Fail(failure);
    if (!o.png.empty() && !WriteSimPicture(scene, o.width, o.height, o.png.c_str()))
        return Fail("cannot write " + o.png);

    std::printf("{\"summary\":true,\"world\":\"%s\",\"seed\":%u,\"start_ms\":%u,\"end_ms\":%u,\"ticks\":%llu,"
                "\"steps\":%llu,\"live_entries\":%d,\"population\":%d,\"bodies\":%d,\"joints\":%d,"
                "\"records_allocated\":%zu,\"springs_allocated\":%zu,\"peak_live_entries\":%d,"
                "\"peak_population\":%d}\n",
                ShortNameOf(o.world), seed, start, clock.Now(), static_cast<unsigned long long>(ticks),
                static_cast<unsigned long long>(scene.StepCount()), scene.ObjectCount(), scene.Population(),
                scene.World()->GetBodyCount(), scene.World()->GetJointCount(), scene.ObjectRecordsAllocated(),
                scene.SpringRecordsAllocated(), recorder.PeakLiveEntries(), recorder.PeakPopulation());
    return FinishOutput();
}
