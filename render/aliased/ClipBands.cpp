#include "render/aliased/ClipBands.h"

#include <algorithm>
#include <cstddef>

namespace {

bool SameRuns(const std::vector<Span>& a, const std::vector<Span>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Span& x, const Span& y) { return x.left == y.left && x.right == y.right; });
}

// The runs of the rectangles that cover all of the rows top to bottom, merged, into `runs`.
void RunsAcross(const std::vector<PixelRect>& rects, int top, int bottom, std::vector<Span>& runs)
{
    runs.clear();
    for (const PixelRect& r : rects)
        if (r.top <= top && bottom <= r.bottom && r.left < r.right) runs.push_back({r.left, r.right});
    std::sort(runs.begin(), runs.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
    std::size_t kept = 0;
    for (const Span& s : runs) {
        if (kept > 0 && s.left <= runs[kept - 1].right)
            runs[kept - 1].right = std::max(runs[kept - 1].right, s.right);
        else
            runs[kept++] = s;
    }
    runs.resize(kept);
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
    std::vector<Span> runs;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        RunsAcross(rects, edges[i], edges[i + 1], runs);
        if (runs.empty()) continue;
        if (!bands.empty() && bands.back().bottom == edges[i] && SameRuns(bands.back().runs, runs))
            bands.back().bottom = edges[i + 1];
        else
            bands.push_back({edges[i], edges[i + 1], runs});
    }
    return bands;
}
