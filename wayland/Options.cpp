#include "wayland/Options.h"

#include "toy/KeyAction.h"

std::string Usage()
{
    return "usage: cascadium-wayland [options]\n"
           "A small two-dimensional physics world on a Wayland desktop: a window, a screen saver or\n"
           "the desktop's background.\n"
           "\n"
           + WorldOptionUsage()
           + "  --fullscreen      the screen saver: one output covered, ended by a key, a button or\n"
             "                    moving the pointer\n"
             "  --background      the desktop's background on every output (needs a compositor with\n"
             "                    wlr-layer-shell: sway, Hyprland, KDE Plasma)\n"
             "  --help            show this text\n"
             "\n"
             "Without --fullscreen or --background it opens a window of its own: drag with the left\n"
             "button or a finger to drop objects, keys "
           + WorldKeyNames()
           + " switch worlds, q or Escape ends it.\n"
             "Every option may be spelt with one dash as well (-fullscreen).\n";
}

OptionsResult ParseOptions(const std::vector<std::string>& args)
{
    OptionsResult result;
    Options& o = result.options;
    bool fullscreen = false;
    bool background = false;
    const std::vector<OwnOption> own = {
        {"fullscreen", false, [&](const std::string&) { return fullscreen = true; }},
        {"background", false, [&](const std::string&) { return background = true; }},
    };
    result.error = ParseShellOptions(args, own, o.shell);
    if (result.error.empty() && fullscreen && background)
        result.error = "--fullscreen and --background cannot be given together (see --help)";
    o.form = fullscreen ? Form::Fullscreen : background ? Form::Background : Form::Window;
    return result;
}
