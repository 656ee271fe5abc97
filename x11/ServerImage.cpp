#include "x11/ServerImage.h"

#include "x11/XErrors.h"

#include <X11/Xutil.h>
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

void ServerImage::Put(Drawable drawable, GC gc, const PixelRect& area) const
{
    const auto width = static_cast<unsigned>(area.right - area.left);
    const auto height = static_cast<unsigned>(area.bottom - area.top);
    if (m_shared)
        XShmPutImage(m_display, drawable, gc, m_image, area.left, area.top, area.left, area.top, width, height, False);
    else
        XPutImage(m_display, drawable, gc, m_image, area.left, area.top, area.left, area.top, width, height);
}

void ServerImage::Finish() const
{
    // A plain image's pixels were copied into the requests already.
    if (m_shared)
        XSync(m_display, False);
    else
        XFlush(m_display);
}
