#pragma once

// How the executable was started: read once from the command line by the entry point and handed
// to the window it creates. Portable on purpose: the command-line parser is tested natively.
enum class RunModeKind {
    Windowed,     // a plain resizable window with a menu
    ScreenSaver,  // "/s": borderless, topmost, spanning every monitor, ends on user input
    Preview,      // "/p <hwnd>": a child of the display settings' preview area
    Configure,    // "/c:<hwnd>": only the settings dialog
};

// No menu, a topmost window, and the pointer never drops objects.
constexpr bool IsSaverMode(RunModeKind mode)
{
    return mode == RunModeKind::ScreenSaver || mode == RunModeKind::Preview;
}

// Spans the monitors, hides the pointer and closes on the first user input.
constexpr bool IsFullScreen(RunModeKind mode)
{
    return mode == RunModeKind::ScreenSaver;
}
