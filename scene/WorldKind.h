#pragma once

// The worlds (scene/WorldTable.h names them), numbered as the stored setting and the process-wide world index number
// them.
enum class WorldKind : int {
    Cascadium = 0,
    NewtonsCradle = 1,
    PachinkoMachine = 2,
};
