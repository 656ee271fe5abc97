#pragma once

#include "render/DrawSurface.h"
#include "render/gdi/AreaClip.h"
#include "render/gdi/GdiHandles.h"

#include <optional>

// Draws the picture with GDI into a back buffer's device context and copies it to the paint
// context, or, without one, leaves it in the buffer for a later paint to copy. Each entry's pen
// and brushes exist only between BeginEntry and EndEntry; regions only within RingQuarter. Once
// the surface is destroyed nothing it made is left behind.
class GdiSurface final : public DrawSurface {
public:
    GdiSurface(HDC back, HDC target) : m_back(back), m_target(target) {}
    explicit GdiSurface(HDC back) : m_back(back), m_target(nullptr) {}
    // Drawing into a back buffer clipped to the areas that changed.
    GdiSurface(HDC back, AreaClip& clip) : m_back(back), m_target(nullptr), m_clip(&clip) {}

    void Clear(int width, int height) override;
    void BeginEntry(ColorRef line, ColorRef fill, ColorRef mark) override;
    void EndEntry() override;
    void Polyline(const PixelPoint* points, int count) override;
    void Ellipse(const PixelRect& box) override;
    void Polygon(const PixelPoint* points, int count) override;
    void RingQuarter(const PixelRect& outer, const PixelRect& inner, const PixelPoint* wedge) override;
    void Present(int width, int height) override;

private:
    // One entry's drawing tools, selected into the back buffer while they live. The selections
    // are undone before the objects are deleted (members go in reverse order).
    struct EntryTools {
        EntryTools(HDC dc, ColorRef line, ColorRef fill, ColorRef mark);
        GdiObject<HPEN> pen;
        GdiObject<HBRUSH> fillBrush;
        GdiObject<HBRUSH> markBrush;
        SelectedObject penSelection;
        SelectedObject brushSelection;
    };

    // Tells the clip where the next shape's pixels lie: within its points, or the corners of
    // its ellipse's box, both included (the rule the footprints keep too).
    void Before(const PixelRect& box);
    void Before(const PixelPoint* points, int count);

    HDC m_back;
    HDC m_target;
    AreaClip* m_clip = nullptr;
    std::optional<EntryTools> m_entry;
};
