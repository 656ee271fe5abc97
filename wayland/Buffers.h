#pragma once

#include "render/DrawSurface.h"
#include "wayland/ShmBuffer.h"

#include <wayland-client.h>

#include <memory>
#include <vector>

// The buffers one surface's pictures take turns in. The toy draws each picture over the one
// before, only where they differ; a buffer the compositor was still holding then lags behind.
// So each buffer keeps the areas the pictures drawn elsewhere since it was last drawn changed,
// and once the toy has drawn in it again, those of them outside what it drew (which the toy
// draws whole) are copied into it from the buffer drawn last: at 60 pictures a second a moving
// object's areas overlap from one picture to the next, and their common part is copied no more.
class Buffers {
public:
    explicit Buffers(wl_shm* shm) : m_shm(shm) {}

    // A buffer of width x height that the compositor does not hold, for the toy to draw the
    // next picture in, over the one before. Null when every one is held and no more may be
    // made, or memory ran out.
    ShmBuffer* Next(int width, int height);
    // The picture just drawn in `buffer` changed these areas of the one before: the rest of it
    // is brought up to that one (a new buffer, or one after a new size, whole; the toy draws
    // a picture whole after a new size).
    void Drawn(const ShmBuffer& buffer, const std::vector<PixelRect>& areas);

private:
    struct Slot {
        std::unique_ptr<ShmBuffer> buffer;
        std::vector<PixelRect> behind;  // where it differs from the last picture drawn
        bool blank = true;              // never drawn in
    };
    void CatchUp(Slot& slot, const std::vector<PixelRect>& drawn);

    wl_shm* m_shm;
    std::vector<Slot> m_slots;
    // Buffers of an earlier size the compositor still held when the size changed.
    std::vector<std::unique_ptr<ShmBuffer>> m_retired;
    const ShmBuffer* m_last = nullptr;
};
