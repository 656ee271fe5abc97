#include "web/WebPage.h"

#include "scene/ShellDefaults.h"
#include "scene/WorldTable.h"
#include "web/RgbaCopy.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <algorithm>

namespace {

constexpr std::uint32_t ControlFadesAfterMs = 3000;
// Frame callbacks come 60 times a second or more, and no slower than 10 under a loaded browser:
// this long without one, the timer draws instead.
constexpr std::uint32_t FrameCallbackStalledMs = 3 * TickIntervalMs;
// At most this many pixels go to the canvas at once, so that their RGBA copy stays small
// (1 MB) whatever the size of the area drawn.
constexpr int MaxCopyPixels = 1 << 18;

// The page's JavaScript side, kept to what C++ cannot do itself: a 2-D context to put pixels
// through, whether the canvas can be seen, and the world's name (on the control and as the
// title) and the control's visibility.
// clang-format off
// Seen: any of the canvas within the browser's viewport; a frame scrolled far off or hidden by
// its embedder is not. Until the browser says otherwise (or where it cannot), it is.
EM_JS(void, page_start, (int saver), {
    const canvas = document.getElementById('canvas');
    Module.cascadiumCanvas = canvas.getContext('2d', {alpha: false});
    if (saver) document.body.classList.add('saver');
    Module.cascadiumCanvasSeen = true;
    if (typeof IntersectionObserver === 'function')
        new IntersectionObserver(entries => {
            Module.cascadiumCanvasSeen = entries[entries.length - 1].isIntersecting;
        }).observe(canvas);
});
EM_JS(int, page_canvas_seen, (), {
    return Module.cascadiumCanvasSeen;
});
// The press is the page's (the browser's default would select or scroll), so in a frame it
// would not move the focus to the page, and keys would go elsewhere.
EM_JS(void, page_take_focus, (), {
    window.focus();
});
// The canvas holds the picture at one canvas pixel a device pixel, from the viewport's top-left.
EM_JS(void, page_size_canvas, (int width, int height, double cssWidth, double cssHeight), {
    const canvas = document.getElementById('canvas');
    canvas.width = width;
    canvas.height = height;
    canvas.style.width = cssWidth + 'px';
    canvas.style.height = cssHeight + 'px';
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
    if (!m_hidden && page_canvas_seen() && m_clock.Now() - m_lastFrame >= FrameCallbackStalledMs) Update();
}

void WebPage::Update()
{
    // A change of pixel density alone (a window moved to a screen of another scale) raises no
    // resize, and not every browser tells of it otherwise.
    if (emscripten_get_device_pixel_ratio() != m_pixelRatio) FollowViewport();
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
    // The root element spans the viewport (the canvas spans only the picture).
    double cssWidth = 0.0;
    double cssHeight = 0.0;
    emscripten_get_element_css_size("html", &cssWidth, &cssHeight);
    const double ratio = emscripten_get_device_pixel_ratio();
    const int width = DevicePixels(cssWidth, ratio);
    const int height = DevicePixels(cssHeight, ratio);
    const PictureSize picture = PictureFor(width, height);
    if (width == m_toy.ViewWidth() && height == m_toy.ViewHeight() && ratio == m_pixelRatio
        && picture.width == m_picture.width && picture.height == m_picture.height)
        return;
    m_pixelRatio = ratio;
    m_picture = picture;
    // The old picture goes first: the two are never held at once. Each side is at most
    // MaxCanvasSide and the whole at most MaxCanvasPixels, so the product fits.
    m_pixels = {};
    m_pixels.assign(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height), 0);
    // A canvas given a size starts blank: the next frame draws it whole.
    page_size_canvas(picture.width, picture.height, picture.width / ratio, picture.height / ratio);
    m_toy.Resize(width, height);
}

PixelImage WebPage::Picture()
{
    return {reinterpret_cast<unsigned char*>(m_pixels.data()), m_picture.width, m_picture.height, m_picture.width * 4};
}

void WebPage::Show(const std::vector<PixelRect>& areas)
{
    const PixelImage picture = Picture();
    for (const PixelRect& area : areas) {
        const int rows = std::max(1, MaxCopyPixels / std::max(1, area.right - area.left));
        for (int top = area.top; top < area.bottom; top += rows) {
            const PixelRect band{area.left, top, area.right, std::min(area.bottom, top + rows)};
            CopyAreaAsRgba(picture, band, m_rgba);
            page_put_rgba(m_rgba.data(), band.left, band.top, band.right - band.left, band.bottom - band.top);
        }
    }
}

void WebPage::PointerPressed(PointerButton button, double cssX, double cssY)
{
    Touched();
    page_take_focus();
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
