#pragma once

#include "render/damage/FrameChanges.h"
#include "render/gdi/GdiHandles.h"

class Scene;

// Keeps a GDI back buffer of the scene up to date by redrawing only where the frame changed
// (FrameChanges), clipped to those areas: what PartialRedraw is to an aliased picture.
class GdiPartialRedraw {
public:
    // Draws the scene into the width x height picture of the back buffer's context where it
    // changed since the frame drawn last, or everywhere when `whole` (the buffer's pixels were
    // lost, or never drawn). Returns the region drawn, empty when nothing changed; the rest of
    // the buffer already holds the new frame.
    GdiObject<HRGN> Draw(const Scene& scene, HDC back, int width, int height, bool whole);

private:
    FrameChanges m_changes;
};
