#include "x11/ServerImage.h"

#include "render/aliased/ClipBands.h"
#include "x11/XErrors.h"

#include <X11/Xutil.h>
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <sys/shm.h>

ServerImage::ServerImage(Display* display, Visual* visual, int depth, int width, int height) : m_display(display)
{
    m_shared = MakeShared(visual, depth, width, height);
    if (!m_shared) MakePlain(visual, depth, width, height);
}

ServerImage::~ServerImage()
{
    if (!m_image) return;
    if (m_shared) {
        XShmDetach(m_display, &m_segment);
        XFlush(m_display);  // so the server lets go now, not at the next request
    }
    XDestroyImage(m_image);  // of a shared image only the record: its pixels are the segment's
    if (m_shared) shmdt(m_segment.shmaddr);
}

bool ServerImage::MakeShared(Visual* visual, int depth, int width, int height)
{
    if (!XShmQueryExtension(m_display)) return false;
    XImage* image = XShmCreateImage(m_display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &m_segment,
                                    static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (!image) return false;
    const std::size_t size = static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(height);
    m_segment.shmid = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (m_segment.shmid < 0) {
        XDestroyImage(image);
        return false;
    }
    void* address = shmat(m_segment.shmid, nullptr, 0);
    const bool mapped = address != reinterpret_cast<void*>(-1);
    bool attached = false;
    if (mapped) {
        m_segment.shmaddr = image->data = static_cast<char*>(address);
        m_segment.readOnly = True;
        // A server on another machine, or one that may not read this user's memory, refuses.
        attached = RequestSucceeds(m_display, [this] { XShmAttach(m_display, &m_segment); });
    }
    shmctl(m_segment.shmid, IPC_RMID, nullptr);
    if (!attached) {
        if (mapped) shmdt(address);
        XDestroyImage(image);
        return false;
    }
    m_image = image;
    return true;
}

void ServerImage::MakePlain(Visual* visual, int depth, int width, int height)
{
    XImage* image = XCreateImage(m_display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                 static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (!image) return;
    // XDestroyImage frees it with free().
    image->data = static_cast<char*>(
        std::malloc(static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(height)));
    if (!image->data) {
        XDestroyImage(image);
        return;
    }
    m_image = image;
}

void ServerImage::Put(Drawable drawable, GC gc, const std::vector<PixelRect>& areas, PixelPoint at) const
{
    if (areas.empty()) return;
    if (!m_shared) {
        // A plain image's pixels travel in the request: only the areas' own. A clip left by a
        // shared image the window had before would hide them.
        XSetClipMask(m_display, gc, None);
        for (const PixelRect& a : areas)
            XPutImage(m_display, drawable, gc, m_image, a.left, a.top, a.left + at.x, a.top + at.y,
                      static_cast<unsigned>(a.right - a.left), static_cast<unsigned>(a.bottom - a.top));
        return;
    }
    // One copy of the box around them all, clipped to the areas: the server spends more on a
    // request than on the pixels, and copies only what lies in the clip. The clip's rectangles
    // must not overlap; the areas' bands are apart and in the server's own order.
    std::vector<XRectangle> clip;
    for (const ClipBand& band : ClipBands(areas))
        for (const Span& run : band.runs)
            clip.push_back({static_cast<short>(run.left), static_cast<short>(band.top),
                            static_cast<unsigned short>(run.right - run.left),
                            static_cast<unsigned short>(band.bottom - band.top)});
    PixelRect box = areas.front();
    for (const PixelRect& a : areas)
        box = {std::min(box.left, a.left), std::min(box.top, a.top), std::max(box.right, a.right),
               std::max(box.bottom, a.bottom)};
    XSetClipRectangles(m_display, gc, at.x, at.y, clip.data(), static_cast<int>(clip.size()), YXBanded);
    XShmPutImage(m_display, drawable, gc, m_image, box.left, box.top, box.left + at.x, box.top + at.y,
                 static_cast<unsigned>(box.right - box.left), static_cast<unsigned>(box.bottom - box.top), False);
}

void ServerImage::Finish() const
{
    // A plain image's pixels were copied into the requests already.
    if (m_shared)
        XSync(m_display, False);
    else
        XFlush(m_display);
}
