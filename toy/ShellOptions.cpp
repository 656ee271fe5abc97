#include "toy/ShellOptions.h"

#include "scene/WorldTable.h"
#include "toy/PrintableArgument.h"

#include <algorithm>
#include <cstdio>

namespace {

// "--name" and "-name" both give "name"; anything else gives an empty string.
std::string NameOf(const std::string& arg)
{
    if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) return arg.substr(2);
    if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-') return arg.substr(1);
    return {};
}

bool ApplyWorld(const std::string& value, ShellOptions& options)
{
    const auto world = WorldOfShortName(value);
    if (world) options.world = *world;
    return world.has_value();
}

}  // namespace

std::string ParseShellOptions(const std::vector<std::string>& args, const std::vector<OwnOption>& own,
                              ShellOptions& options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string name = NameOf(args[i]);
        if (name == "help" || name == "h") {
            options.help = true;
            continue;
        }
        const auto ownOption = std::find_if(own.begin(), own.end(), [&](const OwnOption& o) { return name == o.name; });
        const bool world = name == "world";
        if (!world && ownOption == own.end()) return "unknown option '" + Printable(args[i]) + "' (see --help)";
        if (!world && !ownOption->takesValue) {
            ownOption->apply({});
            continue;
        }
        if (i + 1 >= args.size()) return args[i] + " needs a value (see --help)";
        const std::string& value = args[++i];
        if (!(world ? ApplyWorld(value, options) : ownOption->apply(value)))
            return "bad value '" + Printable(value) + "' for " + args[i - 1] + " (see --help)";
    }
    return {};
}

std::string WorldOptionUsage()
{
    return "  --world NAME      " + ShortNameChoices() + " (default " + ShortNameOf(ShellOptions{}.world) + ")\n";
}

std::optional<int> EndBeforeRunning(const char* program, const std::string& error, bool help, const std::string& usage)
{
    if (!error.empty()) {
        std::fprintf(stderr, "%s: %s\n", program, error.c_str());
        return 2;
    }
    if (!help) return std::nullopt;
    if (std::fputs(usage.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    std::fprintf(stderr, "%s: cannot write to standard output\n", program);
    return 1;
}
