#include "render/damage/ChangedAreas.h"

#include <algorithm>
#include <cstdint>

namespace {

// Appends the boxes of the entries of `frame` that the other frame did not draw.
void AddUnmatched(const std::vector<Footprint>& frame, const std::vector<Footprint>& other,
                  std::vector<PixelRect>& areas)
{
    // Sorted in one block rather than hashed node by node: a frame has a hundred or so entries,
    // and this runs for every picture.
    std::vector<std::uint64_t> drawn;
    drawn.reserve(other.size());
    for (const Footprint& f : other) drawn.push_back(f.signature);
    std::sort(drawn.begin(), drawn.end());
    for (const Footprint& f : frame)
        if (!std::binary_search(drawn.begin(), drawn.end(), f.signature)) areas.push_back(f.box);
}

}  // namespace

std::vector<PixelRect> ChangedAreas(const std::vector<Footprint>& before, const std::vector<Footprint>& now)
{
    std::vector<PixelRect> areas;
    AddUnmatched(before, now, areas);
    AddUnmatched(now, before, areas);
    return areas;
}
