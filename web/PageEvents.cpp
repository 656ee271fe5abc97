#include "web/PageEvents.h"

#include "web/WebPage.h"

#include <emscripten/html5.h>

namespace {

WebPage& PageOf(void* userData)
{
    return *static_cast<WebPage*>(userData);
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void* page)
{
    PageOf(page).FollowViewport();
    return EM_FALSE;
}

EM_BOOL OnVisibility(int, const EmscriptenVisibilityChangeEvent* event, void* page)
{
    PageOf(page).SetHidden(event->hidden);
    return EM_FALSE;
}

// The left button only; a drag that leaves the canvas goes on until the button is released
// anywhere, so moves and the release are heard on the whole window.
EM_BOOL OnMouse(int type, const EmscriptenMouseEvent* event, void* page)
{
    switch (type) {
    case EMSCRIPTEN_EVENT_MOUSEDOWN:
        if (event->button != 0) return EM_FALSE;
        PageOf(page).PointerPressed(event->clientX, event->clientY);
        return EM_TRUE;
    case EMSCRIPTEN_EVENT_MOUSEMOVE:
        PageOf(page).PointerMoved(event->clientX, event->clientY);
        return EM_FALSE;
    case EMSCRIPTEN_EVENT_MOUSEUP:
        if (event->button == 0) PageOf(page).PointerReleased();
        return EM_FALSE;
    default:
        return EM_FALSE;
    }
}

// The finger that touched first is the pointer until it lifts; other fingers are ignored.
// Handled touches make no mouse events and do not scroll or zoom the page.
long primaryTouch = -1;

EM_BOOL OnTouch(int type, const EmscriptenTouchEvent* event, void* page)
{
    for (int i = 0; i < event->numTouches; ++i) {
        const EmscriptenTouchPoint& touch = event->touches[i];
        if (!touch.isChanged) continue;
        if (type == EMSCRIPTEN_EVENT_TOUCHSTART && primaryTouch < 0) {
            primaryTouch = touch.identifier;
            PageOf(page).PointerPressed(touch.clientX, touch.clientY);
        } else if (touch.identifier == primaryTouch) {
            if (type == EMSCRIPTEN_EVENT_TOUCHMOVE) {
                PageOf(page).PointerMoved(touch.clientX, touch.clientY);
            } else if (type == EMSCRIPTEN_EVENT_TOUCHEND || type == EMSCRIPTEN_EVENT_TOUCHCANCEL) {
                primaryTouch = -1;
                PageOf(page).PointerReleased();
            }
        }
    }
    return EM_TRUE;
}

// With a modifier the key is the browser's (Ctrl+1 picks a tab); held keys do not repeat.
EM_BOOL OnKey(int, const EmscriptenKeyboardEvent* event, void* page)
{
    if (event->ctrlKey || event->altKey || event->metaKey || event->repeat) return EM_FALSE;
    return PageOf(page).KeyPressed(event->key);
}

EM_BOOL OnControl(int, const EmscriptenMouseEvent*, void* page)
{
    PageOf(page).NextWorld();
    return EM_TRUE;
}

}  // namespace

void ListenToPage(WebPage& page)
{
    const auto window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_resize_callback(window, &page, EM_FALSE, OnResize);
    emscripten_set_visibilitychange_callback(&page, EM_FALSE, OnVisibility);
    if (page.IsSaver()) return;

    emscripten_set_mousedown_callback("#canvas", &page, EM_FALSE, OnMouse);
    emscripten_set_mousemove_callback(window, &page, EM_FALSE, OnMouse);
    emscripten_set_mouseup_callback(window, &page, EM_FALSE, OnMouse);
    for (auto listen : {emscripten_set_touchstart_callback_on_thread, emscripten_set_touchmove_callback_on_thread,
                        emscripten_set_touchend_callback_on_thread, emscripten_set_touchcancel_callback_on_thread}) {
        listen("#canvas", &page, EM_FALSE, OnTouch, EM_CALLBACK_THREAD_CONTEXT_CALLING_THREAD);
    }
    emscripten_set_keydown_callback(window, &page, EM_FALSE, OnKey);
    emscripten_set_click_callback("#world", &page, EM_FALSE, OnControl);
}
