#pragma once

// The input every interactive shell hands the toy, in the toy's own words: each shell
// translates its platform's keys, buttons and focus into these and calls Toy.

// A key pressed: the character it types without Shift ('1', 'q'), Escape as U+001B, and 0 for
// a key that types nothing the toy knows.
struct ToyKey {
    char32_t character = 0;
    // Ctrl, Alt or Meta (Super, Command) was held: the key belongs to the platform (Ctrl+1
    // picks a browser tab, Alt+F4 closes a window), not to the toy. Shift does not count.
    bool platformModifier = false;
    // The platform repeats a key that is held down; only the first press counts.
    bool repeat = false;
};

inline constexpr char32_t EscapeCharacter = 0x1B;

// What a key did, for the shell to follow: leave a key that is not the toy's to the platform,
// name the new world, or end the program (a shell that cannot end, the page, ignores that).
enum class KeyOutcome {
    NotOurs,
    Ignored,
    WorldShown,
    End,
};

// The button that drops objects is the primary one: the left button, a finger, a pen's tip.
// Every other button belongs to the platform (a context menu, a paste).
enum class PointerButton {
    Primary,
    Other,
};
