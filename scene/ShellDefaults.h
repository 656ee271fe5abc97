#pragma once

#include <cstdint>

// What every shell of the toy runs with unless told otherwise.

// The timer that moves the scene: a tick every 50 ms, 20 frames a second.
inline constexpr std::uint32_t TickIntervalMs = 50;

// A window of the program's own as it opens, and a headless run's pictures.
inline constexpr int DefaultViewWidth = 800;
inline constexpr int DefaultViewHeight = 480;

// The full-screen saver ignores pointer jitter up to this many pixels (on a 100 % screen) from
// where it first saw the pointer.
inline constexpr int SaverPointerTolerance = 4;
