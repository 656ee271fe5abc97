#pragma once

#include "render/DrawSurface.h"

#include <utility>
#include <vector>

// A DrawSurface that keeps what it was asked to draw: the order of the calls, and for each
// entry its colours and shapes. Shapes drawn outside an entry are counted as strays.
class RecordingSurface final : public DrawSurface {
public:
    enum class Call { Clear, BeginEntry, EndEntry, Polyline, Ellipse, Polygon, RingQuarter, Present };

    struct Shape {
        Call kind;
        std::vector<PixelPoint> points;  // polyline, polygon, or the ring quarter's wedge
        PixelRect box{};                 // ellipse, or the ring quarter's outer ellipse
        PixelRect inner{};               // the ring quarter's inner ellipse
    };

    struct Entry {
        ColorRef line;
        ColorRef fill;
        ColorRef mark;
        std::vector<Shape> shapes;
    };

    void Clear(int width, int height) override
    {
        calls.push_back(Call::Clear);
        clearedWidth = width;
        clearedHeight = height;
    }
    void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) override
    {
        calls.push_back(Call::BeginEntry);
        entries.push_back({line, fill, mark, {}});
        inEntry = true;
    }
    void EndEntry() override
    {
        calls.push_back(Call::EndEntry);
        inEntry = false;
    }
    void Polyline(const PixelPoint* points, int count) override { Record({Call::Polyline, {points, points + count}}); }
    void Ellipse(const PixelRect& box) override { Record({Call::Ellipse, {}, box}); }
    void Polygon(const PixelPoint* points, int count) override { Record({Call::Polygon, {points, points + count}}); }
    void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) override
    {
        Record({Call::RingQuarter, {wedge, wedge + 4}, outer, inner});
    }
    void Present(int width, int height) override
    {
        calls.push_back(Call::Present);
        presentedWidth = width;
        presentedHeight = height;
    }

    std::vector<Call> calls;
    std::vector<Entry> entries;
    int strayShapes = 0;
    bool inEntry = false;
    int clearedWidth = 0;
    int clearedHeight = 0;
    int presentedWidth = 0;
    int presentedHeight = 0;

private:
    void Record(Shape shape)
    {
        calls.push_back(shape.kind);
        if (inEntry) {
            entries.back().shapes.push_back(std::move(shape));
        } else {
            ++strayShapes;
        }
    }
};
