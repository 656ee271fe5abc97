#pragma once

#include "scene/WorldKind.h"

#include <string>
#include <vector>

// Where the picture goes: a window of its own, the screen saver's window (or the root window),
// or a window another program made.
enum class Target {
    OwnWindow,
    Root,
    WindowId,
};

// What one run of the program does; filled from the command line.
struct Options {
    Target target = Target::OwnWindow;
    unsigned long windowId = 0;
    WorldKind world = WorldKind::Cascadium;
    bool help = false;
};

struct OptionsResult {
    Options options;
    std::string error;  // one line; empty when the command line was good
};

// Reads the arguments after the program name. Every option also takes a single dash, as the
// screen saver's own programs do. --window-id wins over --root whatever their order.
OptionsResult ParseOptions(const std::vector<std::string>& args);

// A window id as --window-id and XSCREENSAVER_WINDOW give it: decimal digits, or 0x and
// hexadecimal digits; never zero, at most 0xFFFFFFFF.
bool ParseWindowId(const std::string& text, unsigned long& out);

// An argument as an error line shows it: control characters, backslashes and bytes that are
// not UTF-8 written as \xNN (or \\), so nothing reaches the terminal as a command, and cut
// to about 60 characters with "..." after it, so a huge argument gives a line, not a page.
std::string Printable(const std::string& arg);

// The --help text.
std::string Usage();
