#pragma once

#include <cstdint>

// The world (a WorldKind value) the main window builds and runs. Set at start-up from the stored
// choice; changed afterwards only by the World menu of the plain window.
inline std::int32_t CurrentWorld = 0;
