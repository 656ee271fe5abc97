#pragma once

#include "toy/ShellOptions.h"

#include <string>
#include <vector>

// What the program shows the toy as.
enum class Form {
    Window,      // a resizable window of its own, with the pointer, touch and keys
    Fullscreen,  // the saver: one output covered, ended by the user's first activity
    Background,  // the desktop's background on every output, taking no input
};

// What one run of the program does; filled from the command line.
struct Options {
    Form form = Form::Window;
    ShellOptions shell;  // --world and --help
};

struct OptionsResult {
    Options options;
    std::string error;  // one line; empty when the command line was good
};

// Reads the arguments after the program name: the shells' common options and --fullscreen or
// --background (not both), with one dash or two.
OptionsResult ParseOptions(const std::vector<std::string>& args);

// The --help text.
std::string Usage();
