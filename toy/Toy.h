#pragma once

#include "render/DrawSurface.h"
#include "render/aliased/PixelImage.h"
#include "render/damage/PartialRedraw.h"
#include "scene/Clock.h"
#include "scene/ObjectShape.h"
#include "scene/Scene.h"
#include "scene/SceneShell.h"
#include "scene/WorldKind.h"
#include "toy/Pictures.h"
#include "toy/StepHistory.h"
#include "toy/ToyInput.h"

#include <cstdint>
#include <memory>
#include <vector>

// What every interactive shell of the toy shares, whatever shows it: the scene and its world,
// the tick on its schedule, the pointer that drops objects, and the frame to show. The shell
// keeps its window, its events and its picture's memory, and tells this class what happened.
class Toy final : public SceneShell {
public:
    // Builds `world` at the clock's reading; the first tick is due one interval later.
    Toy(const Clock& clock, WorldKind world, Pictures pictures = Pictures::OnePerTick);
    ~Toy() override;

    WorldKind CurrentWorld() const { return m_world; }
    const Scene& GetScene() const { return m_scene; }

    // Runs the tick when it is due at the clock's reading, at most one per call: whole
    // intervals missed are dropped, as a window timer drops them. Returns MsUntilTick().
    int TickIfDue();
    // Milliseconds from the clock's reading until the next tick is due; 0 when it is due now.
    int MsUntilTick() const;

    // Builds another world afresh; the next frame draws everything that changed.
    void ShowWorld(WorldKind world);
    // The world after the current one in the world table's order, round to the first.
    void ShowNextWorld();
    // A key the shell heard: the digits show the worlds, q and Escape end the program (see
    // ActionOfKey). The shell names the world shown, or ends.
    KeyOutcome KeyPressed(const ToyKey& key);

    // The pointer in view pixels. A press of the primary button drops an object at once and
    // starts a drag; moves while dragging drop more (a box, then a disc, alternating), but only
    // inside the view: what falls out of sight would only use up the scene's room. A move
    // without the primary button held is no drag and ends one whose release was never heard, as
    // do the release and the loss of the shell's focus. Other buttons do nothing.
    void PointerPressed(PointerButton button, int x, int y);
    void PointerMoved(int x, int y, bool primaryHeld);
    void PointerReleased(PointerButton button);
    void FocusLost();

    // The view is now width x height pixels and the world is mapped to it; the next frame draws
    // the whole picture.
    void Resize(int width, int height);
    int ViewWidth() const { return m_viewWidth; }
    int ViewHeight() const { return m_viewHeight; }
    // The pixels shown were lost: the next frame draws the whole picture.
    void PictureLost();

    // True when the scene moved or the picture needs drawing since the last DrawFrame; always
    // between ticks, where every moment places the bodies anew.
    bool FrameDue() const { return m_frameDue || m_history; }
    // Draws the due frame into the picture, which holds the part of the view from `origin` on
    // and may be smaller than the view (a window larger than the screen keeps only what can be
    // seen). Returns the areas of the picture, in its own pixels, the shell must show, possibly
    // none; the whole picture after Resize or PictureLost, or when the origin moved.
    std::vector<PixelRect> DrawFrame(const PixelImage& picture, PixelPoint origin = {0, 0});
    // Draws the picture DrawFrame would draw now, whole, onto any surface.
    void DrawWhole(DrawSurface& surface);

    // SceneShell: no World menu, the shell names the world itself.
    void CheckWorldItem(WorldKind, bool) override {}
    void RequestRedraw() override { m_frameDue = true; }

private:
    void DropObject(int x, int y);
    // Where the picture drawn now places the bodies.
    const PoseSource& PosesNow();

    const Clock& m_clock;
    Scene m_scene;
    WorldKind m_world;
    std::uint32_t m_tickDue;
    int m_viewWidth = 0;
    int m_viewHeight = 0;
    // The first drop is a box, then they alternate, as in the Windows window.
    ObjectShape m_lastPlaced = ObjectShape::Circle;
    bool m_dragging = false;
    bool m_frameDue = true;
    bool m_drawWhole = true;
    PixelPoint m_origin{0, 0};  // of the picture drawn last
    PartialRedraw m_redraw;
    // The steps recorded for pictures between ticks; none for one picture a tick.
    std::unique_ptr<StepHistory> m_history;
};
