// A stand-in for the programs around cascadium in the end-to-end tests:
//   x11-test-host window WIDTH HEIGHT [input-only]
//                                      makes a window at the top left of the screen, prints its
//                                      id (0x...) and waits; a line "destroy" on standard input
//                                      destroys it, the end of input ends the host
//   x11-test-host fill-colours         takes every free cell of the default colour map, sets
//                                      them to a 3-3-2 palette, prints "filled" and waits for
//                                      the end of input, as a greedy program on 8 bits does
//   x11-test-host message TYPE WINDOW  sends a window a client message of that type carrying
//                                      WM_DELETE_WINDOW: of type WM_PROTOCOLS it asks the
//                                      window to close, as a window manager does
//   x11-test-host pictures WINDOW MS   prints how many pictures were drawn on the window over
//                                      MS milliseconds: bursts of drawing at least 8 ms apart
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

int MakeWindow(Display* display, unsigned width, unsigned height, bool inputOnly)
{
    const int screen = DefaultScreen(display);
    XSetWindowAttributes none{};
    const Window window =
        inputOnly ? XCreateWindow(display, RootWindow(display, screen), 0, 0, width, height, 0, 0, InputOnly,
                                  CopyFromParent, 0, &none)
                  : XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, width, height, 0,
                                        WhitePixel(display, screen), WhitePixel(display, screen));
    XStoreName(display, window, "x11-test-host");
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line);) {
        if (line != "destroy") continue;
        XDestroyWindow(display, window);
        XSync(display, False);
        std::puts("destroyed");
        std::fflush(stdout);
    }
    return 0;
}

int FillColours(Display* display)
{
    const Colormap map = DefaultColormap(display, DefaultScreen(display));
    int filled = 0;
    for (unsigned long cell = 0; filled < 256; ++filled) {
        if (!XAllocColorCells(display, map, False, nullptr, 0, &cell, 1)) break;
        XColor colour{};
        colour.pixel = cell;
        colour.red = static_cast<unsigned short>((cell >> 5 & 7) * 65535 / 7);
        colour.green = static_cast<unsigned short>((cell >> 2 & 7) * 65535 / 7);
        colour.blue = static_cast<unsigned short>((cell & 3) * 65535 / 3);
        colour.flags = DoRed | DoGreen | DoBlue;
        XStoreColor(display, map, &colour);
    }
    XSync(display, False);
    std::printf("filled %d\n", filled);
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line);) {}
    return 0;
}

int SendDeleteWindow(Display* display, const char* type, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}

// Every drawing request on the window is reported with the server's time: a picture is shown
// in a few requests at once, and pictures come 8 ms apart or more (125 a second at most).
int CountPictures(Display* display, Window window, int ms)
{
    int eventBase = 0;
    int errorBase = 0;
    if (!XDamageQueryExtension(display, &eventBase, &errorBase)) {
        std::fputs("x11-test-host: the server has no DAMAGE extension\n", stderr);
        return 1;
    }
    const Damage damage = XDamageCreate(display, window, XDamageReportRawRectangles);
    XSync(display, False);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    int pictures = 0;
    Time last = 0;
    for (auto now = std::chrono::steady_clock::now(); now < end; now = std::chrono::steady_clock::now()) {
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(end - now).count()) + 1);
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != eventBase + XDamageNotify) continue;
            const Time at = reinterpret_cast<const XDamageNotifyEvent&>(event).timestamp;
            if (pictures == 0 || at - last >= 8) ++pictures;
            last = at;
        }
    }
    XDamageDestroy(display, damage);
    std::printf("%d\n", pictures);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("x11-test-host: no display\n", stderr);
        return 1;
    }
    int status = 2;
    if (command == "window" && (argc == 4 || (argc == 5 && std::string(argv[4]) == "input-only")))
        status = MakeWindow(display, static_cast<unsigned>(std::atoi(argv[2])), static_cast<unsigned>(std::atoi(argv[3])),
                            argc == 5);
    else if (command == "fill-colours" && argc == 2)
        status = FillColours(display);
    else if (command == "message" && argc == 4)
        status = SendDeleteWindow(display, argv[2], static_cast<Window>(std::strtoul(argv[3], nullptr, 0)));
    else if (command == "pictures" && argc == 4)
        status = CountPictures(display, static_cast<Window>(std::strtoul(argv[2], nullptr, 0)), std::atoi(argv[3]));
    else
        std::fputs("usage: x11-test-host window WIDTH HEIGHT [input-only] | fill-colours | message TYPE WINDOW | "
                   "pictures WINDOW MS\n",
                   stderr);
    XCloseDisplay(display);
    return status;
}
