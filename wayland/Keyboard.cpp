#include "wayland/Keyboard.h"

#include <sys/mman.h>
#include <unistd.h>

namespace {

// Wayland gives a key's evdev code; XKB numbers keys from 8, as X did.
constexpr std::uint32_t EvdevToXkb = 8;

}  // namespace

Keyboard::Keyboard() : m_context(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {}

Keyboard::~Keyboard()
{
    xkb_state_unref(m_state);
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
}

void Keyboard::TakeKeymap(int fd, std::uint32_t size)
{
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    xkb_state_unref(m_state);
    xkb_keymap_unref(m_keymap);
    m_state = nullptr;
    m_keymap = nullptr;
    if (text == MAP_FAILED || !m_context) return;
    // The text ends with a NUL within `size`; the length excludes it, as the library wants.
    m_keymap = xkb_keymap_new_from_buffer(m_context, static_cast<const char*>(text), size > 0 ? size - 1 : 0,
                                          XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(text, size);
    if (m_keymap) m_state = xkb_state_new(m_keymap);
}

void Keyboard::SetModifiers(std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
                            std::uint32_t group)
{
    if (m_state) xkb_state_update_mask(m_state, depressed, latched, locked, 0, 0, group);
}

ToyKey Keyboard::KeyOf(std::uint32_t code) const
{
    ToyKey key;
    if (!m_state) return key;
    const xkb_keycode_t keycode = code + EvdevToXkb;
    const xkb_layout_index_t layout = xkb_state_key_get_layout(m_state, keycode);
    const xkb_keysym_t* syms = nullptr;
    // The first level: '2' whether Shift is held or not, as the X11 window reads it.
    if (xkb_keymap_key_get_syms_by_level(m_keymap, keycode, layout, 0, &syms) == 1) {
        key.character = syms[0] == XKB_KEY_Escape ? EscapeCharacter : xkb_keysym_to_utf32(syms[0]);
    }
    key.platformModifier = xkb_state_mod_name_is_active(m_state, XKB_MOD_NAME_CTRL, XKB_STATE_MODS_EFFECTIVE) > 0
                           || xkb_state_mod_name_is_active(m_state, XKB_MOD_NAME_ALT, XKB_STATE_MODS_EFFECTIVE) > 0
                           || xkb_state_mod_name_is_active(m_state, XKB_MOD_NAME_LOGO, XKB_STATE_MODS_EFFECTIVE) > 0;
    return key;
}
