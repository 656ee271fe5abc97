#pragma once

#include "scene/Clock.h"

#include <ctime>

// The scene's clock on Linux (the X11 program, and cascadium-sim's default start): milliseconds of CLOCK_MONOTONIC,
// which never jumps with the wall clock. Like GetTickCount it wraps every 49.7 days, which the scene's unsigned
// arithmetic allows.
class MonotonicClock final : public Clock {
public:
    std::uint32_t Now() const override
    {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ts.tv_sec) * 1000u
                                          + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u);
    }
};
