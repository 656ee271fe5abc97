#pragma once

// How the executable was started, decided once from its command line.
enum class RunMode {
    Windowed,    // no recognised argument: the plain resizable window with menus
    ScreenSaver, // "/s": full screen across every monitor
    Preview,     // "/p <handle>": a child window inside the host's preview area
    Configure,   // "/c:<handle>": the settings dialog
};

// Saver modes have no menu, stay topmost and never place objects with the pointer.
constexpr bool IsSaverMode(RunMode mode)
{
    return mode == RunMode::ScreenSaver || mode == RunMode::Preview;
}

// Only the real saver spans the monitors, hides the pointer and ends on user input.
constexpr bool IsFullScreen(RunMode mode)
{
    return mode == RunMode::ScreenSaver;
}
