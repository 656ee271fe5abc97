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
             "  --delay US        microseconds between pictures (default "
           + std::to_string(DefaultDelayUs)
           + ", about 60 a second);\n"
             "                    under 1000 counts as 1000, 50000 or more gives one picture a\n"
             "                    tick, 20 a second\n"
             "  --help, -h        show this text\n"
             "\n"
             "Without --root or --window-id it opens a window of its own: drag with the left button to\n"
             "drop objects, keys "
           + WorldKeyNames()
           + " switch worlds, q or Escape ends it.\n"
             "Every option may be spelt with one dash as well (-root, -window-id ID).\n";
}

namespace {

constexpr unsigned long long Largest32Bit = 0xFFFFFFFFull;

// Nothing but digits of base 10 or 16 (no sign, no space), of a value that fits 32 bits.
bool ParseDigits(const std::string& digits, bool hex, unsigned long long& value)
{
    const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.find_first_not_of(allowed) != std::string::npos) return false;
    errno = 0;
    value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    return errno != ERANGE && value <= Largest32Bit;
}

}  // namespace

bool ParseWindowId(const std::string& text, unsigned long& out)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    unsigned long long value = 0;
    if (!ParseDigits(hex ? text.substr(2) : text, hex, value) || value == 0) return false;
    out = static_cast<unsigned long>(value);
    return true;
}

bool ParseDelay(const std::string& text, std::uint32_t& out)
{
    unsigned long long value = 0;
    if (!ParseDigits(text, false, value)) return false;
    out = static_cast<std::uint32_t>(value);
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
        {"delay", true, [&](const std::string& value) { return ParseDelay(value, o.delayUs); }},
    };
    result.error = ParseShellOptions(args, own, o.shell);
    o.target = windowId ? Target::WindowId : root ? Target::Root : Target::OwnWindow;
    return result;
}
