#pragma once

#include "render/DrawSurface.h"
#include "render/aliased/PixelImage.h"
#include "toy/SteadyClock.h"
#include "toy/Toy.h"
#include "toy/ToyInput.h"
#include "web/PageQuery.h"
#include "web/PictureSize.h"

#include <cstdint>
#include <vector>

// The toy mapped to the page's whole viewport at device pixels; the canvas holds the viewport's
// top-left corner, as much as can be seen (PictureSize.h). The browser's frame callback drives
// it: each frame runs the tick when due and copies onto the canvas only the areas of the
// picture that changed, drawn for that frame's moment (or, with ?rate=tick, once a tick).
// A timer stands in for the frame callback while the canvas can be seen but the callback has
// stopped coming (web-view hosts that throttle it). PageEvents.cpp feeds it the browser's events.
class WebPage {
public:
    explicit WebPage(const PageQuery& query);
    WebPage(const WebPage&) = delete;
    WebPage& operator=(const WebPage&) = delete;

    bool IsSaver() const { return m_saver; }
    const Toy& GetToy() const { return m_toy; }
    // The picture's pixels, 0x00RRGGBB, row after row of PictureSize's width.
    const std::uint32_t* PictureData() const { return m_pixels.data(); }

    // One frame callback; false ends the loop (the page is hidden).
    bool Frame();
    // The stand-in timer's call: a frame, when the page is shown, the canvas within the
    // browser's viewport, and no frame callback came for a while.
    void FrameIfStalled();
    // The page was hidden or shown again: a hidden page does no work at all.
    void SetHidden(bool hidden);
    // The viewport may have changed size or pixel density: follow it.
    void FollowViewport();

    // Input in CSS pixels of the viewport, as the browser reports it; the toy's rules decide.
    void PointerPressed(PointerButton button, double cssX, double cssY);
    void PointerMoved(double cssX, double cssY, bool primaryHeld);
    void PointerReleased(PointerButton button);
    void FocusLost();
    // A key: true when the toy took it (a digit showing a world), false to leave it to the browser.
    bool KeyPressed(const ToyKey& key);
    // The world control was used: the next world, in turn.
    void NextWorld();

private:
    // The control and the title name the toy's world.
    void NameWorld();
    // The picture, as the canvas holds it.
    PixelImage Picture();
    void Show(const std::vector<PixelRect>& areas);
    // The control shows while the pointer or keys are in use and fades a while after.
    void Touched();
    void FadeControlWhenIdle();
    void StartLoop();
    // Runs the tick when due and shows the picture when one is due.
    void Update();

    SteadyClock m_clock;
    const bool m_saver;
    Toy m_toy;
    double m_pixelRatio = 1.0;
    PictureSize m_picture{0, 0};
    std::vector<std::uint32_t> m_pixels;  // the picture, 0x00RRGGBB
    std::vector<std::uint8_t> m_rgba;     // one band of an area on its way to the canvas
    bool m_hidden = false;
    bool m_looping = false;
    bool m_controlShown = true;
    std::uint32_t m_lastTouched;
    std::uint32_t m_lastFrame;  // when the frame callback last came
};
