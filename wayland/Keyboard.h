#pragma once

#include "toy/ToyInput.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdint>

// The keyboard as the compositor describes it (an XKB keymap and the modifiers' state), turning
// its key codes into the toy's keys.
class Keyboard {
public:
    Keyboard();
    ~Keyboard();
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // The keymap the compositor sent, `size` bytes of text in `fd`, which this takes and closes.
    // One that cannot be read leaves every key typing nothing.
    void TakeKeymap(int fd, std::uint32_t size);
    void SetModifiers(std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked, std::uint32_t group);
    // A key pressed, by its evdev code (as wl_keyboard.key gives it), in the toy's words: the
    // character of its first shift level in the active layout, Escape, or nothing.
    ToyKey KeyOf(std::uint32_t code) const;

private:
    xkb_context* m_context;
    xkb_keymap* m_keymap = nullptr;
    xkb_state* m_state = nullptr;
};
