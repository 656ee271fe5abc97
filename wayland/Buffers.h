#pragma once

#include "render/DrawSurface.h"
#include "wayland/ShmBuffer.h"

#include <wayland-client.h>

#include <memory>
#include <vector>

// The buffers one surface's pictures take turns in. The toy draws each picture over the one
// before, only where they differ; a buffer the compositor was still holding then lags behind.
// So each buffer keeps the areas the pictures drawn elsewhere since it was last drawn changed,
// and before it is drawn in again those are copied into it from the buffer drawn last.
class Buffers {
public:
    explicit Buffers(wl_shm* shm) : m_shm(shm) {}

    // A buffer of width x height that the compositor does not hold, showing the last picture
    // drawn (a new one, or after a new size, nothing yet: the toy then draws it whole). Null
    // when every one is held and no more may be made, or memory ran out.
    ShmBuffer* Next(int width, int height);
    // The picture just drawn in `buffer` changed these areas of the one before.
    void Drawn(const ShmBuffer& buffer, const std::vector<PixelRect>& areas);

private:
    struct Slot {
        std::unique_ptr<ShmBuffer> buffer;
        std::vector<PixelRect> behind;  // where it differs from the last picture drawn
        bool blank = true;              // never drawn in
    };
    void CatchUp(Slot& slot);

    wl_shm* m_shm;
    std::vector<Slot> m_slots;
    // Buffers of an earlier size the compositor still held when the size changed.
    std::vector<std::unique_ptr<ShmBuffer>> m_retired;
    const ShmBuffer* m_last = nullptr;
};
