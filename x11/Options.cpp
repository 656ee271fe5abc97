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
constexpr std::size_t LongestShown = 60;

// The length of the UTF-8 character at `p` when it is complete, well formed and no control
// character (C0, DEL or C1); else 0. Overlong forms, surrogates and anything past U+10FFFF are
// not well formed: the second byte's range is narrower after E0, ED, F0 and F4.
std::size_t PrintableLength(const unsigned char* p, std::size_t left)
{
    const unsigned lead = p[0];
    if (lead >= 0x20 && lead < 0x7F) return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || length > left) return 0;
    const unsigned low = lead == 0xC2 ? 0xA0 : lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (p[1] < low || p[1] > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF) return 0;
    return length;
}

// "--name" and "-name" both give "name"; anything else gives an empty string.
std::string NameOf(const std::string& arg)
{
    if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) return arg.substr(2);
    if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-') return arg.substr(1);
    return {};
}

}  // namespace

std::string Printable(const std::string& arg)
{
    static const char hex[] = "0123456789abcdef";
    const auto* bytes = reinterpret_cast<const unsigned char*>(arg.data());
    std::string shown;
    for (std::size_t i = 0; i < arg.size();) {
        const unsigned char byte = bytes[i];
        const std::size_t length = byte == '\\' ? 0 : PrintableLength(bytes + i, arg.size() - i);
        const std::string piece = byte == '\\' ? "\\\\"
                                  : length > 0 ? arg.substr(i, length)
                                               : std::string{'\\', 'x', hex[byte >> 4], hex[byte & 0xF]};
        if (shown.size() + piece.size() > LongestShown) return shown + "...";
        shown += piece;
        i += length > 0 ? length : 1;
    }
    return shown;
}

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
            result.error = "unknown option '" + Printable(args[i]) + "' (see --help)";
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
            result.error = "bad value '" + Printable(value) + "' for " + args[i - 1] + " (see --help)";
            return result;
        }
    }
    o.target = windowId ? Target::WindowId : root ? Target::Root : Target::OwnWindow;
    return result;
}
