#include "render/damage/ChangedAreas.h"

#include <unordered_set>

namespace {

// Appends the boxes of the entries of `frame` that the other frame did not draw.
void AddUnmatched(const std::vector<Footprint>& frame, const std::vector<Footprint>& other,
                  std::vector<PixelRect>& areas)
{
    std::unordered_set<std::uint64_t> drawn;
    drawn.reserve(other.size());
    for (const Footprint& f : other) drawn.insert(f.signature);
    for (const Footprint& f : frame)
        if (drawn.count(f.signature) == 0) areas.push_back(f.box);
}

}  // namespace

std::vector<PixelRect> ChangedAreas(const std::vector<Footprint>& before, const std::vector<Footprint>& now)
{
    std::vector<PixelRect> areas;
    AddUnmatched(before, now, areas);
    AddUnmatched(now, before, areas);
    return areas;
}
