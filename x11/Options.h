#pragma once

#include "toy/ShellOptions.h"

#include <cstdint>
#include <string>
#include <vector>

// Where the picture goes: a window of its own, the screen saver's window (or the root window),
// or a window another program made.
enum class Target {
    OwnWindow,
    Root,
    WindowId,
};

// The time between pictures, as xscreensaver's hacks take it (--delay): about 60 a second.
inline constexpr std::uint32_t DefaultDelayUs = 16666;

// What one run of the program does; filled from the command line.
struct Options {
    Target target = Target::OwnWindow;
    unsigned long windowId = 0;
    std::uint32_t delayUs = DefaultDelayUs;
    ShellOptions shell;  // --world and --help
};

struct OptionsResult {
    Options options;
    std::string error;  // one line; empty when the command line was good
};

// Reads the arguments after the program name: the shells' common options and --root and
// --window-id, with one dash or two. --window-id wins over --root whatever their order.
OptionsResult ParseOptions(const std::vector<std::string>& args);

// A window id as --window-id and XSCREENSAVER_WINDOW give it: decimal digits, or 0x and
// hexadecimal digits; never zero, at most 0xFFFFFFFF.
bool ParseWindowId(const std::string& text, unsigned long& out);

// A --delay as xscreensaver's settings give it: microseconds in decimal digits, at most
// 4294967295.
bool ParseDelay(const std::string& text, std::uint32_t& out);

// The --help text.
std::string Usage();
