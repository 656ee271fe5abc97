#include "ClipBands.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

bool SameRuns(const std::vector<Span>& a, const std::vector<Span>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Span& x, const Span& y) { return x.left == y.left && x.right == y.right; });
}

// The runs of the rectangles that cover all of the rows top to bottom, merged.
std::vector<Span> RunsAcross(const std::vector<PixelRect>& rects, int top, int bottom)
{
    std::vector<Span> covering;
    for (const PixelRect& r : rects)
        if (r.top <= top && bottom <= r.bottom && r.left < r.right) covering.push_back({r.left, r.right});
    std::sort(covering.begin(), covering.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
    std::vector<Span> runs;
    for (const Span& s : covering) {
        if (!runs.empty() && s.left <= runs.back().right) runs.back().right = std::max(runs.back().right, s.right);
        else runs.push_back(s);
    }
    return runs;
}

}  // namespace

std::vector<ClipBand> ClipBands(const std::vector<PixelRect>& rects)
{
    // Between two successive top or bottom edges, the same rectangles cover every row.
    std::vector<int> edges;
    for (const PixelRect& r : rects) {
        if (r.top >= r.bottom) continue;
        edges.push_back(r.top);
        edges.push_back(r.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<ClipBand> bands;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        std::vector<Span> runs = RunsAcross(rects, edges[i], edges[i + 1]);
        if (runs.empty()) continue;
        if (!bands.empty() && bands.back().bottom == edges[i] && SameRuns(bands.back().runs, runs))
            bands.back().bottom = edges[i + 1];
        else
            bands.push_back({edges[i], edges[i + 1], std::move(runs)});
    }
    return bands;
}
