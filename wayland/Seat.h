#pragma once

#include "toy/ToyInput.h"
#include "wayland/Connection.h"
#include "wayland/Keyboard.h"

#include <wayland-client.h>

#include <cstdint>

// What the seat's devices did, in surface coordinates (the compositor's logical pixels), for the
// one surface that takes input. Touch is one finger: the first down until it is lifted.
class SeatInput {
public:
    virtual void PointerEntered(wl_pointer* pointer, std::uint32_t serial, double x, double y) = 0;
    virtual void PointerMoved(double x, double y) = 0;
    virtual void ButtonChanged(PointerButton button, bool pressed) = 0;
    virtual void PointerLeft() = 0;
    virtual void KeyPressed(const ToyKey& key) = 0;
    virtual void KeyboardLeft() = 0;
    virtual void TouchDown(double x, double y) = 0;
    virtual void TouchMoved(double x, double y) = 0;
    virtual void TouchUp() = 0;

protected:
    ~SeatInput() = default;
};

// The seat's pointer, keyboard and touch screen, taken as the seat gains them, their events
// handed to `input`.
class Seat {
public:
    Seat(Connection& connection, SeatInput& input);
    ~Seat();
    Seat(const Seat&) = delete;
    Seat& operator=(const Seat&) = delete;

private:
    void FollowCapabilities();

    Connection& m_connection;
    SeatInput& m_input;
    Keyboard m_keyboard;
    wl_pointer* m_pointer = nullptr;
    wl_keyboard* m_keyboardProxy = nullptr;
    wl_touch* m_touch = nullptr;
    bool m_touching = false;
    std::int32_t m_finger = 0;

    friend struct SeatListeners;
};
