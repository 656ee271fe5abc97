#pragma once

#include <cstdint>

// The world choice kept in the current user's registry.

// The stored world index, or -1 when there is no usable value (no key, no value, or a value
// that is not a 4-byte DWORD).
std::int32_t ReadWorldSetting();

// Stores the world index, creating the key when needed. Failures are silently ignored: the
// choice is then simply not kept.
void WriteWorldSetting(std::int32_t world);
