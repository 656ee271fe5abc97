#pragma once

#include "render/aliased/PixelImage.h"

#include <wayland-client.h>

// One picture in memory shared with the compositor (wl_shm, XRGB8888: the PixelImage's own
// 0x00RRGGBB), and whether the compositor still holds it: from the commit that shows it until
// it says it has let go, the program must not draw in it.
class ShmBuffer {
public:
    ShmBuffer(wl_shm* shm, int width, int height);
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;

    // False when the memory could not be had; such a buffer is never shown.
    bool Valid() const { return m_buffer != nullptr; }
    PixelImage Pixels() const { return m_pixels; }
    bool Held() const { return m_held; }
    // Attaches it to the surface; the commit that follows hands it to the compositor.
    void AttachTo(wl_surface* surface);

private:
    static void Release(void* data, wl_buffer* buffer);

    PixelImage m_pixels{nullptr, 0, 0, 0};
    std::size_t m_bytes = 0;
    wl_buffer* m_buffer = nullptr;
    bool m_held = false;
};
