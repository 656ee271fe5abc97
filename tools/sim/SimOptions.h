#pragma once

#include "scene/ShellDefaults.h"
#include "scene/WorldKind.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What one headless run does; filled from the command line.
struct SimOptions {
    WorldKind world = WorldKind::Cascadium;
    std::optional<std::uint32_t> seed;     // default: the first clock reading
    std::optional<std::uint32_t> startMs;  // default: this machine's milliseconds since boot
    std::uint64_t durationMs = 10000;      // --seconds, to the nearest millisecond
    std::uint32_t tickMs = TickIntervalMs;
    bool trace = false;
    std::string png;
    std::string framesDir;
    int width = DefaultViewWidth;
    int height = DefaultViewHeight;
    bool help = false;
    bool listWorlds = false;
};

struct SimOptionsResult {
    SimOptions options;
    std::string error;  // empty when the command line was good
};

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args);

// The --help text.
std::string SimUsage();
