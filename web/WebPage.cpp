#include "web/WebPage.h"

#include "scene/ShellDefaults.h"
#include "scene/WorldTable.h"
#include "web/RgbaCopy.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <cmath>

namespace {

constexpr std::uint32_t ControlFadesAfterMs = 3000;
// Frame callbacks come 60 times a second or more, and no slower than 10 under a loaded browser:
// this long without one, the timer draws instead.
constexpr std::uint32_t FrameCallbackStalledMs = 3 * TickIntervalMs;

// The page's JavaScript side, kept to what C++ cannot do itself: a 2-D context to put pixels
// through, and the world's name (on the control and as the title) and the control's visibility.
// clang-format off
EM_JS(void, page_start, (int saver), {
    Module.cascadiumCanvas = document.getElementById('canvas').getContext('2d', {alpha: false});
    if (saver) document.body.classList.add('saver');
});
EM_JS(void, page_put_rgba, (const std::uint8_t* rgba, int x, int y, int width, int height), {
    const pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    Module.cascadiumCanvas.putImageData(new ImageData(pixels, width, height), x, y);
});
EM_JS(void, page_name_world, (const char* name), {
    document.title = document.getElementById('world').textContent = UTF8ToString(name);
});
EM_JS(void, page_show_control, (int shown), {
    document.getElementById('world').classList.toggle('idle', !shown);
});
// clang-format on

EM_BOOL OnAnimationFrame(double, void* page)
{
    return static_cast<WebPage*>(page)->Frame();
}

void OnStandInTimer(void* page)
{
    static_cast<WebPage*>(page)->FrameIfStalled();
}

}  // namespace

WebPage::WebPage(const PageQuery& query)
    : m_saver(query.saver),
      m_toy(m_clock, query.world, query.pictures),
      m_lastTouched(m_clock.Now()),
      m_lastFrame(m_clock.Now())
{
    page_start(m_saver);
    NameWorld();
    FollowViewport();
    StartLoop();
    emscripten_set_interval(OnStandInTimer, TickIntervalMs, this);
}

bool WebPage::Frame()
{
    if (m_hidden) {
        m_looping = false;
        return false;
    }
    m_lastFrame = m_clock.Now();
    Update();
    return true;
}

void WebPage::FrameIfStalled()
{
    if (!m_hidden && m_clock.Now() - m_lastFrame >= FrameCallbackStalledMs) Update();
}

void WebPage::Update()
{
    m_toy.TickIfDue();
    if (m_toy.FrameDue() && !m_pixels.empty()) Show(m_toy.DrawFrame(Picture()));
    FadeControlWhenIdle();
}

void WebPage::SetHidden(bool hidden)
{
    m_hidden = hidden;
    if (!hidden) StartLoop();
}

void WebPage::StartLoop()
{
    if (m_looping) return;
    m_looping = true;
    emscripten_request_animation_frame_loop(OnAnimationFrame, this);
}

void WebPage::FollowViewport()
{
    double cssWidth = 0.0;
    double cssHeight = 0.0;
    emscripten_get_element_css_size("#canvas", &cssWidth, &cssHeight);
    m_pixelRatio = emscripten_get_device_pixel_ratio();
    const int width = static_cast<int>(std::lround(cssWidth * m_pixelRatio));
    const int height = static_cast<int>(std::lround(cssHeight * m_pixelRatio));
    if (width == m_toy.ViewWidth() && height == m_toy.ViewHeight()) return;
    // A canvas given a size starts blank: the next frame draws it whole.
    emscripten_set_canvas_element_size("#canvas", width, height);
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    m_toy.Resize(width, height);
}

PixelImage WebPage::Picture()
{
    return {reinterpret_cast<unsigned char*>(m_pixels.data()), m_toy.ViewWidth(), m_toy.ViewHeight(),
            m_toy.ViewWidth() * 4};
}

void WebPage::Show(const std::vector<PixelRect>& areas)
{
    const PixelImage picture = Picture();
    for (const PixelRect& area : areas) {
        CopyAreaAsRgba(picture, area, m_rgba);
        page_put_rgba(m_rgba.data(), area.left, area.top, area.right - area.left, area.bottom - area.top);
    }
}

void WebPage::PointerPressed(PointerButton button, double cssX, double cssY)
{
    Touched();
    m_toy.PointerPressed(button, static_cast<int>(cssX * m_pixelRatio), static_cast<int>(cssY * m_pixelRatio));
}

void WebPage::PointerMoved(double cssX, double cssY, bool primaryHeld)
{
    Touched();
    m_toy.PointerMoved(static_cast<int>(cssX * m_pixelRatio), static_cast<int>(cssY * m_pixelRatio), primaryHeld);
}

void WebPage::PointerReleased(PointerButton button)
{
    m_toy.PointerReleased(button);
}

void WebPage::FocusLost()
{
    m_toy.FocusLost();
}

bool WebPage::KeyPressed(const ToyKey& key)
{
    const KeyOutcome outcome = m_toy.KeyPressed(key);
    if (outcome == KeyOutcome::NotOurs) return false;
    Touched();
    if (outcome != KeyOutcome::WorldShown) return false;
    NameWorld();
    return true;
}

void WebPage::NextWorld()
{
    Touched();
    m_toy.ShowNextWorld();
    NameWorld();
}

void WebPage::NameWorld()
{
    page_name_world(DisplayNameOf(m_toy.CurrentWorld()));
}

void WebPage::Touched()
{
    m_lastTouched = m_clock.Now();
    if (!m_controlShown) page_show_control(m_controlShown = true);
}

void WebPage::FadeControlWhenIdle()
{
    if (m_controlShown && m_clock.Now() - m_lastTouched >= ControlFadesAfterMs)
        page_show_control(m_controlShown = false);
}
