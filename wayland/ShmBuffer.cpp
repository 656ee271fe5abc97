#include "wayland/ShmBuffer.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr int BytesPerPixel = 4;

}  // namespace

ShmBuffer::ShmBuffer(wl_shm* shm, int width, int height)
{
    const int stride = width * BytesPerPixel;
    m_bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    // A pool's size is a 32-bit count of bytes.
    if (width <= 0 || height <= 0 || m_bytes > static_cast<std::size_t>(INT32_MAX)) return;
    // A sealed-off file of its own, never on disk: the compositor maps the same pages.
    const int fd = memfd_create("cascadium-picture", MFD_CLOEXEC);
    if (fd < 0) return;
    void* data = MAP_FAILED;
    if (ftruncate(fd, static_cast<off_t>(m_bytes)) == 0)
        data = mmap(nullptr, m_bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED) {
        close(fd);
        return;
    }
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(m_bytes));
    m_buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    static const wl_buffer_listener listener = {Release};
    wl_buffer_add_listener(m_buffer, &listener, this);
    m_pixels = {static_cast<unsigned char*>(data), width, height, stride};
}

ShmBuffer::~ShmBuffer()
{
    if (m_buffer) wl_buffer_destroy(m_buffer);
    if (m_pixels.data) munmap(m_pixels.data, m_bytes);
}

void ShmBuffer::AttachTo(wl_surface* surface)
{
    wl_surface_attach(surface, m_buffer, 0, 0);
    m_held = true;
}

void ShmBuffer::Release(void* data, wl_buffer*)
{
    static_cast<ShmBuffer*>(data)->m_held = false;
}
