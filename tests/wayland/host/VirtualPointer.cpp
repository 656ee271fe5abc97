// wayland-test-pointer: a pointer for a compositor that has none (a headless one), through
// wlr-virtual-pointer. Its presence gives the seat a pointer, which `swaymsg seat seat0 cursor`
// then moves; it writes "ready" once the compositor has it. A drag it makes itself, as a device
// does (sway sends no motion while a button it pressed is held): each line of its standard
// input, "move DX DY", "press" or "release" (the left button), is one event, and "done" follows
// each. It ends when its standard input closes.
#include "wayland/protocols/virtual-pointer.h"

#include <wayland-client.h>

#include <cstdint>
#include <cstring>
#include <iostream>
#include <linux/input-event-codes.h>
#include <string>

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;

void Global(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}
void GlobalRemove(void*, wl_registry*, std::uint32_t) {}

}  // namespace

int main()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return 1;
    const wl_registry_listener listener = {Global, GlobalRemove};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, nullptr);
    wl_display_roundtrip(display);
    if (!manager) return 1;
    zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, nullptr);
    wl_display_roundtrip(display);
    std::cout << "ready" << std::endl;
    std::string what;
    std::uint32_t time = 0;
    while (std::cin >> what) {
        time += 10;
        if (what == "move") {
            double dx = 0;
            double dy = 0;
            std::cin >> dx >> dy;
            zwlr_virtual_pointer_v1_motion(pointer, time, wl_fixed_from_double(dx), wl_fixed_from_double(dy));
        } else {
            zwlr_virtual_pointer_v1_button(pointer, time, BTN_LEFT,
                                           what == "press" ? WL_POINTER_BUTTON_STATE_PRESSED
                                                           : WL_POINTER_BUTTON_STATE_RELEASED);
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
        std::cout << "done" << std::endl;
    }
    return 0;
}
