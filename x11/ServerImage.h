#pragma once

#include "render/DrawSurface.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <vector>

// An image in the format of a window's visual that the X server copies onto the window. It
// lies in memory shared with the server when the server offers MIT-SHM and can reach this
// process's memory (a local server), so a copy moves no pixels through the connection; else
// in this process's memory, and each copy sends the pixels.
class ServerImage {
public:
    ServerImage(Display* display, Visual* visual, int depth, int width, int height);
    // Release order: the server lets go of the segment (XShmDetach), then the image record
    // goes, then this process's mapping. The segment was marked for removal as soon as the
    // server had attached it, so its memory returns to the system once both have let go, even
    // if the process dies first.
    ~ServerImage();
    ServerImage(const ServerImage&) = delete;
    ServerImage& operator=(const ServerImage&) = delete;

    // The image, or null when not even one in process memory could be made.
    XImage* Get() const { return m_image; }

    // Copies these areas of the image onto `drawable`, each moved by `at` (where the image's
    // top-left pixel goes). A shared image must not be written again until the server has read
    // it: call Finish before drawing on it.
    void Put(Drawable drawable, GC gc, const std::vector<PixelRect>& areas, PixelPoint at) const;
    // Waits until the server has carried out every copy sent.
    void Finish() const;

private:
    bool MakeShared(Visual* visual, int depth, int width, int height);
    void MakePlain(Visual* visual, int depth, int width, int height);

    Display* m_display;
    XShmSegmentInfo m_segment{};
    XImage* m_image = nullptr;
    bool m_shared = false;
};
