#pragma once

#include "scene/WorldKind.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The options every interactive shell takes from its command line: --world NAME and --help.
struct ShellOptions {
    WorldKind world = WorldKind::Cascadium;
    bool help = false;
};

// An option of one shell's own: its name without dashes, whether it takes a value, and what it
// does. `apply` gets the value (empty for an option without one) and returns false for a bad one.
struct OwnOption {
    const char* name;
    bool takesValue;
    std::function<bool(const std::string& value)> apply;
};

// Reads the arguments after the program name into `options`, handing the shell's own options
// to their `apply`. Every option may be spelt with one dash or two, as the screen saver's own
// programs take them; -h is --help. Returns one error line, empty when the command line was
// good; the arguments it quotes are shown as Printable shows them. --help is honoured only
// when every other argument is good.
std::string ParseShellOptions(const std::vector<std::string>& args, const std::vector<OwnOption>& own,
                              ShellOptions& options);

// The --help line of --world: "  --world NAME      cascadium, cradle or pachinko (default cascadium)".
std::string WorldOptionUsage();

// What a shell's main does first with its parsed command line. A bad one is one line on standard
// error, "PROGRAM: ERROR", and status 2. --help writes `usage` to standard output and ends 0; as
// the text is what was asked for, a write that failed (a full disk, a closed pipe) is a line and
// status 1. Returns nothing when the shell is to run.
std::optional<int> EndBeforeRunning(const char* program, const std::string& error, bool help, const std::string& usage);
