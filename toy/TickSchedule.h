#pragma once

#include "scene/ShellDefaults.h"

#include <cstdint>

// The tick of every TickIntervalMs, as the Windows window's timer runs it.

// Milliseconds from `now` until the tick due at `due`; 0 once it is due. Clock readings wrap,
// so they are compared only through their unsigned difference.
int WaitBefore(std::uint32_t due, std::uint32_t now);

// When the tick after the one due at `due`, run at `now`, is due: one interval later, or one
// interval after `now` when the loop has fallen a whole interval behind (the ticks missed are
// dropped, as a window timer drops them, rather than run back to back).
std::uint32_t NextDue(std::uint32_t due, std::uint32_t now);
