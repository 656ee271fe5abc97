#pragma once

#include "scene/Clock.h"

#include <windows.h>

// The scene's clock on Windows: the system's millisecond tick counter.
class TickCountClock final : public Clock {
public:
    std::uint32_t Now() const override { return GetTickCount(); }
};
