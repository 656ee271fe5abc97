#include "x11/Options.h"

#include "toy/KeyAction.h"

#include <cerrno>
#include <cstdlib>

std::string Usage()
{
    return "usage: cascadium [options]\n"
           "A small two-dimensional physics world, for the desktop and as an xscreensaver hack.\n"
           "\n"
           + WorldOptionUsage()
           + "  --root            draw on the window named by XSCREENSAVER_WINDOW, else the root window\n"
             "  --window-id ID    draw into that window (decimal or 0x hexadecimal)\n"
             "  --help            show this text\n"
             "\n"
             "Without --root or --window-id it opens a window of its own: drag with the left button to\n"
             "drop objects, keys "
           + WorldKeyNames()
           + " switch worlds, q or Escape ends it.\n"
             "Every option may be spelt with one dash as well (-root, -window-id ID).\n";
}

namespace {

constexpr unsigned long long LargestWindowId = 0xFFFFFFFFull;

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
    const std::vector<OwnOption> own = {
        {"root", false, [&](const std::string&) { return root = true; }},
        {"window-id", true,
         [&](const std::string& value) {
             windowId = true;
             return ParseWindowId(value, o.windowId);
         }},
    };
    result.error = ParseShellOptions(args, own, o.shell);
    o.target = windowId ? Target::WindowId : root ? Target::Root : Target::OwnWindow;
    return result;
}
