#include "x11/Options.h"

#include "scene/WorldTable.h"

#include <cerrno>
#include <cstdlib>

std::string Usage()
{
    // The digit keys of the worlds, in the words of the text: "1, 2 and 3".
    std::string keys;
    for (std::size_t i = 0; i < WorldCount; ++i) {
        if (i > 0) keys += i + 1 < WorldCount ? ", " : " and ";
        keys += std::to_string(i + 1);
    }
    return "usage: cascadium [options]\n"
           "A small two-dimensional physics world, for the desktop and as an xscreensaver hack.\n"
           "\n"
           "  --world NAME      "
           + ShortNameChoices() + " (default " + ShortNameOf(Options{}.world)
           + ")\n"
             "  --root            draw on the window named by XSCREENSAVER_WINDOW, else the root window\n"
             "  --window-id ID    draw into that window (decimal or 0x hexadecimal)\n"
             "  --help            show this text\n"
             "\n"
             "Without --root or --window-id it opens a window of its own: drag with the left button to\n"
             "drop objects, keys "
           + keys
           + " switch worlds, q or Escape ends it.\n"
             "Every option may be spelt with one dash as well (-root, -window-id ID).\n";
}

namespace {

constexpr unsigned long long LargestWindowId = 0xFFFFFFFFull;

// "--name" and "-name" both give "name"; anything else gives an empty string.
std::string NameOf(const std::string& arg)
{
    if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) return arg.substr(2);
    if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-') return arg.substr(1);
    return {};
}

}  // namespace

bool ParseWindowId(const std::string& text, unsigned long& out)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.find_first_not_of(allowed) != std::string::npos) return false;
    errno = 0;
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (errno == ERANGE || value == 0 || value > LargestWindowId) return false;
    out = static_cast<unsigned long>(value);
    return true;
}

OptionsResult ParseOptions(const std::vector<std::string>& args)
{
    OptionsResult result;
    Options& o = result.options;
    bool root = false;
    bool windowId = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string name = NameOf(args[i]);
        if (name == "help" || name == "h") {
            o.help = true;
            continue;
        }
        if (name == "root") {
            root = true;
            continue;
        }
        if (name != "world" && name != "window-id") {
            result.error = "unknown option '" + args[i] + "' (see --help)";
            return result;
        }
        if (i + 1 >= args.size()) {
            result.error = args[i] + " needs a value";
            return result;
        }
        const std::string& value = args[++i];
        bool good = true;
        if (name == "world") {
            const auto world = WorldOfShortName(value);
            good = world.has_value();
            if (good) o.world = *world;
        } else {
            good = ParseWindowId(value, o.windowId);
            windowId = true;
        }
        if (!good) {
            result.error = "bad value '" + value + "' for " + args[i - 1] + " (see --help)";
            return result;
        }
    }
    o.target = windowId ? Target::WindowId : root ? Target::Root : Target::OwnWindow;
    return result;
}
