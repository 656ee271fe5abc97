#include "render/damage/MergedAreas.h"

#include <algorithm>
#include <cstdint>

namespace {

inline std::int64_t PixelsIn(const PixelRect& r)
{
    return static_cast<std::int64_t>(r.right - r.left) * (r.bottom - r.top);
}

inline PixelRect BoxAround(const PixelRect& a, const PixelRect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace

std::vector<PixelRect> MergedAreas(std::vector<PixelRect> areas)
{
    std::vector<PixelRect> merged;
    while (!areas.empty()) {
        PixelRect area = areas.back();
        areas.pop_back();
        // A merge can bring the grown area within reach of one already kept: take that one
        // back out and try again with the two as one.
        const std::int64_t pixels = PixelsIn(area);
        const auto partner = std::find_if(merged.begin(), merged.end(), [&](const PixelRect& kept) {
            return PixelsIn(BoxAround(area, kept)) <= pixels + PixelsIn(kept);
        });
        if (partner == merged.end()) {
            merged.push_back(area);
            continue;
        }
        areas.push_back(BoxAround(area, *partner));
        merged.erase(partner);
    }
    return merged;
}
