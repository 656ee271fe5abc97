#pragma once

// How the executable was started. Set once from the command line at start-up; read everywhere
// in the shell. Portable on purpose: the command-line parser is tested natively.
enum class RunModeKind {
    Windowed,     // a plain resizable window with a menu
    ScreenSaver,  // "/s": borderless, topmost, spanning every monitor, ends on user input
    Preview,      // "/p <hwnd>": a child of the display settings' preview area
    Configure,    // "/c:<hwnd>": only the settings dialog
};

inline RunModeKind RunMode = RunModeKind::Windowed;

// No menu, a topmost window, and the pointer never drops objects.
inline bool IsSaverMode()
{
    return RunMode == RunModeKind::ScreenSaver || RunMode == RunModeKind::Preview;
}

// Spans the monitors, hides the pointer and closes on the first user input.
inline bool IsFullScreen()
{
    return RunMode == RunModeKind::ScreenSaver;
}
