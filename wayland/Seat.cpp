#include "wayland/Seat.h"

#include <linux/input-event-codes.h>
#include <unistd.h>

// The devices' listeners, in one place with access to the seat's state.
struct SeatListeners {
    static Seat& Of(void* data) { return *static_cast<Seat*>(data); }

    static void PointerEnter(void* data, wl_pointer* pointer, std::uint32_t serial, wl_surface*, wl_fixed_t x,
                             wl_fixed_t y)
    {
        Of(data).m_input.PointerEntered(pointer, serial, wl_fixed_to_double(x), wl_fixed_to_double(y));
    }
    static void PointerLeave(void* data, wl_pointer*, std::uint32_t, wl_surface*) { Of(data).m_input.PointerLeft(); }
    static void PointerMotion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y)
    {
        Of(data).m_input.PointerMoved(wl_fixed_to_double(x), wl_fixed_to_double(y));
    }
    static void PointerButton(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button,
                              std::uint32_t state)
    {
        Of(data).m_input.ButtonChanged(button == BTN_LEFT ? PointerButton::Primary : PointerButton::Other,
                                       state == WL_POINTER_BUTTON_STATE_PRESSED);
    }
    static void PointerAxis(void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {}
    static void PointerFrame(void*, wl_pointer*) {}
    static void PointerAxisSource(void*, wl_pointer*, std::uint32_t) {}
    static void PointerAxisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) {}
    static void PointerAxisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) {}
    static void PointerAxisValue120(void*, wl_pointer*, std::uint32_t, std::int32_t) {}

    static void Keymap(void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd, std::uint32_t size)
    {
        if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
            Of(data).m_keyboard.TakeKeymap(fd, size);
        } else {
            close(fd);
        }
    }
    // Keys already held as the surface gains the keyboard were pressed for something else.
    static void KeyboardEnter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
    static void KeyboardLeave(void* data, wl_keyboard*, std::uint32_t, wl_surface*) { Of(data).m_input.KeyboardLeft(); }
    static void Key(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key, std::uint32_t state)
    {
        Seat& seat = Of(data);
        if (state == WL_KEYBOARD_KEY_STATE_PRESSED) seat.m_input.KeyPressed(seat.m_keyboard.KeyOf(key));
    }
    static void Modifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed, std::uint32_t latched,
                          std::uint32_t locked, std::uint32_t group)
    {
        Of(data).m_keyboard.SetModifiers(depressed, latched, locked, group);
    }
    // The compositor's repeat is never asked for: only a key's first press counts.
    static void RepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

    static void TouchDown(void* data, wl_touch*, std::uint32_t, std::uint32_t, wl_surface*, std::int32_t id,
                          wl_fixed_t x, wl_fixed_t y)
    {
        Seat& seat = Of(data);
        if (seat.m_touching) return;
        seat.m_touching = true;
        seat.m_finger = id;
        seat.m_input.TouchDown(wl_fixed_to_double(x), wl_fixed_to_double(y));
    }
    static void TouchUp(void* data, wl_touch*, std::uint32_t, std::uint32_t, std::int32_t id)
    {
        Seat& seat = Of(data);
        if (!seat.m_touching || id != seat.m_finger) return;
        seat.m_touching = false;
        seat.m_input.TouchUp();
    }
    static void TouchMotion(void* data, wl_touch*, std::uint32_t, std::int32_t id, wl_fixed_t x, wl_fixed_t y)
    {
        Seat& seat = Of(data);
        if (seat.m_touching && id == seat.m_finger) seat.m_input.TouchMoved(wl_fixed_to_double(x), wl_fixed_to_double(y));
    }
    static void TouchFrame(void*, wl_touch*) {}
    // The compositor took the touch for a gesture of its own: the finger is gone for us.
    static void TouchCancel(void* data, wl_touch*)
    {
        Seat& seat = Of(data);
        if (seat.m_touching) seat.m_input.TouchUp();
        seat.m_touching = false;
    }
    static void TouchShape(void*, wl_touch*, std::int32_t, wl_fixed_t, wl_fixed_t) {}
    static void TouchOrientation(void*, wl_touch*, std::int32_t, wl_fixed_t) {}
};

namespace {

const wl_pointer_listener PointerListener = {
    SeatListeners::PointerEnter,      SeatListeners::PointerLeave,     SeatListeners::PointerMotion,
    SeatListeners::PointerButton,     SeatListeners::PointerAxis,      SeatListeners::PointerFrame,
    SeatListeners::PointerAxisSource, SeatListeners::PointerAxisStop, SeatListeners::PointerAxisDiscrete,
    SeatListeners::PointerAxisValue120,
};
const wl_keyboard_listener KeyboardListener = {
    SeatListeners::Keymap, SeatListeners::KeyboardEnter, SeatListeners::KeyboardLeave,
    SeatListeners::Key,    SeatListeners::Modifiers,     SeatListeners::RepeatInfo,
};
const wl_touch_listener TouchListener = {
    SeatListeners::TouchDown,  SeatListeners::TouchUp,     SeatListeners::TouchMotion,      SeatListeners::TouchFrame,
    SeatListeners::TouchCancel, SeatListeners::TouchShape, SeatListeners::TouchOrientation,
};

}  // namespace

Seat::Seat(Connection& connection, SeatInput& input) : m_connection(connection), m_input(input)
{
    connection.onSeatCapabilities = [this] { FollowCapabilities(); };
    FollowCapabilities();
}

Seat::~Seat()
{
    m_connection.onSeatCapabilities = nullptr;
    if (m_pointer) wl_pointer_release(m_pointer);
    if (m_keyboardProxy) wl_keyboard_release(m_keyboardProxy);
    if (m_touch) wl_touch_release(m_touch);
}

void Seat::FollowCapabilities()
{
    wl_seat* seat = m_connection.seat;
    const std::uint32_t capabilities = m_connection.seatCapabilities;
    // Kept while the seat has them: a keyboard taken afresh would lose the focus it has.
    const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
    if (pointer && !m_pointer) {
        m_pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(m_pointer, &PointerListener, this);
    } else if (!pointer && m_pointer) {
        wl_pointer_release(m_pointer);
        m_pointer = nullptr;
    }
    const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    if (keyboard && !m_keyboardProxy) {
        m_keyboardProxy = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(m_keyboardProxy, &KeyboardListener, this);
    } else if (!keyboard && m_keyboardProxy) {
        wl_keyboard_release(m_keyboardProxy);
        m_keyboardProxy = nullptr;
    }
    const bool touch = capabilities & WL_SEAT_CAPABILITY_TOUCH;
    if (touch && !m_touch) {
        m_touch = wl_seat_get_touch(seat);
        wl_touch_add_listener(m_touch, &TouchListener, this);
    } else if (!touch && m_touch) {
        wl_touch_release(m_touch);
        m_touch = nullptr;
        m_touching = false;
    }
}
