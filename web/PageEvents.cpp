#include "web/PageEvents.h"

#include "web/WebPage.h"

#include <emscripten/html5.h>

#include <string_view>

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

PointerButton ButtonOf(const EmscriptenMouseEvent& event)
{
    return event.button == 0 ? PointerButton::Primary : PointerButton::Other;
}

// A drag that leaves the canvas goes on until the button is released anywhere, so moves and the
// release are heard on the whole window. Only a press of the primary button is kept from the
// browser: the others keep their menus.
EM_BOOL OnMouse(int type, const EmscriptenMouseEvent* event, void* page)
{
    switch (type) {
    case EMSCRIPTEN_EVENT_MOUSEDOWN:
        PageOf(page).PointerPressed(ButtonOf(*event), event->clientX, event->clientY);
        return ButtonOf(*event) == PointerButton::Primary;
    case EMSCRIPTEN_EVENT_MOUSEMOVE:
        PageOf(page).PointerMoved(event->clientX, event->clientY, (event->buttons & 1) != 0);
        return EM_FALSE;
    case EMSCRIPTEN_EVENT_MOUSEUP:
        PageOf(page).PointerReleased(ButtonOf(*event));
        return EM_FALSE;
    default:
        return EM_FALSE;
    }
}

// Another window or tab took the focus: a release there is never heard here.
EM_BOOL OnBlur(int, const EmscriptenFocusEvent*, void* page)
{
    PageOf(page).FocusLost();
    return EM_FALSE;
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
            PageOf(page).PointerPressed(PointerButton::Primary, touch.clientX, touch.clientY);
        } else if (touch.identifier == primaryTouch) {
            if (type == EMSCRIPTEN_EVENT_TOUCHMOVE) {
                PageOf(page).PointerMoved(touch.clientX, touch.clientY, true);
            } else if (type == EMSCRIPTEN_EVENT_TOUCHEND || type == EMSCRIPTEN_EVENT_TOUCHCANCEL) {
                primaryTouch = -1;
                PageOf(page).PointerReleased(PointerButton::Primary);
            }
        }
    }
    return EM_TRUE;
}

// The key in the toy's words: its character (a key named by one ASCII character) or Escape, the
// modifiers and the repeat. What the toy does not take is left to the browser.
EM_BOOL OnKey(int, const EmscriptenKeyboardEvent* event, void* page)
{
    ToyKey key;
    const std::string_view name = event->key;
    if (name == "Escape") key.character = EscapeCharacter;
    if (name.size() == 1 && static_cast<unsigned char>(name[0]) < 0x80) key.character = static_cast<char32_t>(name[0]);
    key.platformModifier = event->ctrlKey || event->altKey || event->metaKey;
    key.repeat = event->repeat;
    return PageOf(page).KeyPressed(key);
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
    emscripten_set_blur_callback(window, &page, EM_FALSE, OnBlur);
    for (auto listen : {emscripten_set_touchstart_callback_on_thread, emscripten_set_touchmove_callback_on_thread,
                        emscripten_set_touchend_callback_on_thread, emscripten_set_touchcancel_callback_on_thread}) {
        listen("#canvas", &page, EM_FALSE, OnTouch, EM_CALLBACK_THREAD_CONTEXT_CALLING_THREAD);
    }
    emscripten_set_keydown_callback(window, &page, EM_FALSE, OnKey);
    emscripten_set_click_callback("#world", &page, EM_FALSE, OnControl);
}
