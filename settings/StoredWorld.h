#pragma once

#include <cstdint>

#include "WorldSetting.h"

// The persisted world choice: read from the registry before the entry point runs (-1 when
// nothing usable is stored), normalised at start-up and when the settings dialog opens, and
// replaced by the dialog's OK.
inline std::int32_t StoredWorld = ReadWorldSetting();
