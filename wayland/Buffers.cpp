#include "wayland/Buffers.h"

#include "render/damage/MergedAreas.h"

#include <algorithm>
#include <cstring>

namespace {

// Two buffers are enough when the compositor lets go of the one shown before the next frame
// callback; a third covers one that holds it a frame longer (or copies it late).
constexpr std::size_t MostBuffers = 3;

// The parts of the areas outside `cut`: each area less its overlap, in up to four bands.
std::vector<PixelRect> Outside(const std::vector<PixelRect>& areas, const PixelRect& cut)
{
    std::vector<PixelRect> parts;
    for (const PixelRect& a : areas) {
        const PixelRect o{std::max(a.left, cut.left), std::max(a.top, cut.top), std::min(a.right, cut.right),
                          std::min(a.bottom, cut.bottom)};
        if (o.left >= o.right || o.top >= o.bottom) {
            parts.push_back(a);
            continue;
        }
        if (a.top < o.top) parts.push_back({a.left, a.top, a.right, o.top});
        if (o.bottom < a.bottom) parts.push_back({a.left, o.bottom, a.right, a.bottom});
        if (a.left < o.left) parts.push_back({a.left, o.top, o.left, o.bottom});
        if (o.right < a.right) parts.push_back({o.right, o.top, a.right, o.bottom});
    }
    return parts;
}

void CopyArea(const PixelImage& from, const PixelImage& to, const PixelRect& area)
{
    const std::size_t bytes = static_cast<std::size_t>(area.right - area.left) * 4;
    for (int y = area.top; y < area.bottom; ++y)
        std::memcpy(to.data + y * to.stride + area.left * 4, from.data + y * from.stride + area.left * 4, bytes);
}

}  // namespace

ShmBuffer* Buffers::Next(int width, int height)
{
    m_retired.erase(std::remove_if(m_retired.begin(), m_retired.end(), [](const auto& b) { return !b->Held(); }),
                    m_retired.end());
    if (!m_slots.empty()) {
        const PixelImage old = m_slots.front().buffer->Pixels();
        if (old.width != width || old.height != height) {
            for (Slot& slot : m_slots)
                if (slot.buffer->Held()) m_retired.push_back(std::move(slot.buffer));
            m_slots.clear();
            m_last = nullptr;
        }
    }
    auto free = std::find_if(m_slots.begin(), m_slots.end(), [](const Slot& s) { return !s.buffer->Held(); });
    if (free == m_slots.end()) {
        if (m_slots.size() >= MostBuffers) return nullptr;
        auto buffer = std::make_unique<ShmBuffer>(m_shm, width, height);
        if (!buffer->Valid()) return nullptr;
        m_slots.push_back({std::move(buffer), {}, true});
        free = m_slots.end() - 1;
    }
    return free->buffer.get();
}

void Buffers::CatchUp(Slot& slot, const std::vector<PixelRect>& drawn)
{
    const auto last = std::find_if(m_slots.begin(), m_slots.end(), [&](const Slot& s) { return s.buffer.get() == m_last; });
    if (last == m_slots.end() || last->buffer == slot.buffer) return;
    const PixelImage from = last->buffer->Pixels();
    const PixelImage to = slot.buffer->Pixels();
    std::vector<PixelRect> behind = slot.blank ? std::vector<PixelRect>{{0, 0, to.width, to.height}} : slot.behind;
    // What the picture just drew is whole already: its areas need no copy.
    for (const PixelRect& area : drawn) behind = Outside(behind, area);
    for (const PixelRect& area : behind) CopyArea(from, to, area);
}

void Buffers::Drawn(const ShmBuffer& buffer, const std::vector<PixelRect>& areas)
{
    for (Slot& slot : m_slots) {
        if (slot.buffer.get() == &buffer) {
            CatchUp(slot, areas);
            slot.blank = false;
            slot.behind.clear();
        } else if (!slot.blank && slot.behind.empty()) {
            slot.behind = areas;  // merged already, as the toy returns them
        } else if (!slot.blank && !areas.empty()) {
            slot.behind.insert(slot.behind.end(), areas.begin(), areas.end());
            slot.behind = MergedAreas(std::move(slot.behind));
        }
    }
    m_last = &buffer;
}
