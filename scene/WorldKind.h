#pragma once

// The three worlds, numbered as the stored setting and the process-wide world index number them.
enum class WorldKind : int {
    Cascadium = 0,
    NewtonsCradle = 1,
    PachinkoMachine = 2,
};

// Every world, in that order.
inline constexpr WorldKind EveryWorld[] = {WorldKind::Cascadium, WorldKind::NewtonsCradle, WorldKind::PachinkoMachine};
