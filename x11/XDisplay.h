#pragma once

#include <X11/Xlib.h>

// The connection to the X server, closed on destruction. Everything made on it (the picture,
// its shared memory, the graphics context) must be released first: declare it before them.
class XDisplay {
public:
    explicit XDisplay(const char* name = nullptr) : m_display(XOpenDisplay(name)) {}
    ~XDisplay()
    {
        if (m_display) XCloseDisplay(m_display);
    }
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    Display* Get() const { return m_display; }

private:
    Display* m_display;
};
