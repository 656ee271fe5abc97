#pragma once

#include <cstdint>

// Turns a stored world choice into a world index: -1 (nothing stored) gives the first world,
// and any other value outside the worlds' numbers, read as unsigned so that negatives count
// as too large, gives the last one.
std::int32_t NormaliseWorld(std::int32_t stored);
