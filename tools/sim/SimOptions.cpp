#include "tools/sim/SimOptions.h"

#include "scene/Scene.h"
#include "scene/WorldTable.h"
#include "toy/PrintableArgument.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

std::string SimUsage()
{
    const SimOptions defaults;
    const std::string maxTick = std::to_string(Scene::MaxCatchUpMs);
    return "usage: cascadium-sim [options]\n"
           "Runs one Cascadium world headless on a simulated clock: no window, no real time.\n"
           "\n"
           "  --world NAME     "
           + ShortNameChoices() + " (default " + ShortNameOf(defaults.world)
           + ")\n"
             "  --seed N         seed of the random generator, 0..4294967295\n"
             "                   (default: the first clock reading, as the program seeds itself)\n"
             "  --seconds S      simulated wall clock to run, 0..31536000, to the nearest\n"
             "                   millisecond (default 10)\n"
             "  --tick-ms M      timer interval in milliseconds, 1.."
           + maxTick + " (default " + std::to_string(defaults.tickMs) + "): a tick makes\n"
           + "                   up at most " + maxTick
           + " ms of missed clock, so a longer one would lose time\n"
             "  --start-ms T     first clock reading, 0..4294967295; a value near 4294967295\n"
             "                   exercises the wrap of the tick counter (default: milliseconds since boot)\n"
             "  --trace          print one JSON line for every entry created and removed\n"
             "  --png FILE       write the last frame as a PNG picture\n"
             "  --frames DIR     write one PNG per tick, DIR/frame-0000.png, ...; DIR is made\n"
             "                   when missing, not its parents\n"
             "  --size WxH       picture size in pixels (default "
           + std::to_string(defaults.width) + "x" + std::to_string(defaults.height)
           + ")\n"
             "  --list-worlds    print each world on a line of its own, in world order: its\n"
             "                   --world name, a tab and the name a person reads; then exit\n"
             "  --help           show this text\n"
             "\n"
             "Ends with one JSON summary line: ticks, steps, live entries, population, bodies,\n"
             "records and springs ever allocated, and the peaks of live entries and population.\n"
             "Shows its progress on stderr when that is a terminal. A picture replaces what was at\n"
             "its name only once it is whole. Exits with 2 on a bad command line, with 1 when a\n"
             "picture or standard output cannot be written.\n";
}

namespace {

bool ParseUnsigned(const std::string& text, std::uint64_t max, std::uint64_t& out)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value > max) return false;
    out = value;
    return true;
}

// Seconds with a fraction, rounded to the nearest millisecond: 16.15 s is 16150 ms, although
// 16.15 * 1000 is a hair below 16150 in binary floating point.
bool ParseMilliseconds(const std::string& text, std::uint64_t& out)
{
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return false;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(value) || value > 365.0 * 24 * 3600) return false;
    out = static_cast<std::uint64_t>(std::llround(value * 1000.0));
    return true;
}

bool ParseSize(const std::string& text, int& width, int& height)
{
    const auto x = text.find('x');
    if (x == std::string::npos) return false;
    std::uint64_t w = 0;
    std::uint64_t h = 0;
    if (!ParseUnsigned(text.substr(0, x), 16384, w) || !ParseUnsigned(text.substr(x + 1), 16384, h)) return false;
    if (w == 0 || h == 0) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

}  // namespace

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args)
{
    SimOptionsResult result;
    SimOptions& o = result.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            o.help = true;
            continue;
        }
        if (name == "--trace") {
            o.trace = true;
            continue;
        }
        if (name == "--list-worlds") {
            o.listWorlds = true;
            continue;
        }
        const bool takesValue = name == "--world" || name == "--seed" || name == "--seconds" || name == "--tick-ms"
                                || name == "--start-ms" || name == "--png" || name == "--frames" || name == "--size";
        if (!takesValue) {
            result.error = "unknown option '" + Printable(name) + "' (see --help)";
            return result;
        }
        if (i + 1 >= args.size()) {
            result.error = name + " needs a value";
            return result;
        }
        const std::string& value = args[++i];
        std::uint64_t number = 0;
        bool good = true;
        if (name == "--world") {
            const std::optional<WorldKind> world = WorldOfShortName(value);
            if (world)
                o.world = *world;
            else
                good = false;
        } else if (name == "--seed") {
            good = ParseUnsigned(value, UINT32_MAX, number);
            o.seed = static_cast<std::uint32_t>(number);
        } else if (name == "--start-ms") {
            good = ParseUnsigned(value, UINT32_MAX, number);
            o.startMs = static_cast<std::uint32_t>(number);
        } else if (name == "--tick-ms") {
            good = ParseUnsigned(value, Scene::MaxCatchUpMs, number) && number > 0;
            o.tickMs = static_cast<std::uint32_t>(number);
        } else if (name == "--seconds") {
            good = ParseMilliseconds(value, o.durationMs);
        } else if (name == "--size") {
            good = ParseSize(value, o.width, o.height);
        } else if (name == "--png") {
            good = !value.empty();
            o.png = value;
        } else {
            good = !value.empty();
            o.framesDir = value;
        }
        if (!good) {
            result.error = "bad value '" + Printable(value) + "' for " + name + " (see --help)";
            return result;
        }
    }
    return result;
}
