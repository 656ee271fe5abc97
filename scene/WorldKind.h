#pragma once

// The values of the process-wide world index.
enum WorldKind : int {
    Cascadium = 0,
    NewtonsCradle = 1,
    PachinkoMachine = 2,
};

// Command ids of the World menu items, which carry the check mark of the running world.
enum WorldCommand : int {
    CmdCascadium = 114,
    CmdNewtonsCradle = 113,
    CmdPachinkoMachine = 116,
};

constexpr int CommandOfWorld(int world)
{
    return world == NewtonsCradle ? CmdNewtonsCradle
         : world == PachinkoMachine ? CmdPachinkoMachine
         : CmdCascadium;
}
