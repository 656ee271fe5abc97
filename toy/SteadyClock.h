#pragma once

#include "scene/Clock.h"

#include <chrono>

// The scene's clock outside Windows (the X11 and browser programs, and cascadium-sim's default
// start): milliseconds of the standard steady clock, which never jumps with the wall clock. Like
// GetTickCount it wraps every 49.7 days, which the scene's unsigned arithmetic allows.
class SteadyClock final : public Clock {
public:
    std::uint32_t Now() const override
    {
        const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
    }
};
