#pragma once

#include "wayland/protocols/layer-shell.h"
#include "wayland/protocols/xdg-decoration.h"
#include "wayland/protocols/xdg-shell.h"

#include <wayland-client.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// One output of the compositor's, as the registry names it, with its buffer scale.
struct Output {
    wl_output* proxy;
    std::uint32_t name;
    std::int32_t scale = 1;
};

// The compositor's globals the program uses, bound as the registry offers them, and its
// outputs, followed as they come and go. Optional ones (the seat, decorations, the background
// layer) stay null when the compositor lacks them.
class Connection {
public:
    // Binds the globals offered so far and learns each output's scale (two round trips).
    explicit Connection(wl_display* display);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // False when a global no form can do without is missing (compositor, shared memory, or
    // xdg-shell).
    bool Complete() const { return compositor && shm && wmBase; }
    // The outputs whose description is complete.
    const std::vector<const Output*>& Outputs() const { return m_described; }
    // The scale of the output behind this proxy; 1 for one already gone.
    std::int32_t ScaleOf(const wl_output* output) const;

    // Told of each output once its first description is complete, of each scale changed
    // later, and of each removed (just before its proxy goes).
    std::function<void(const Output&)> onOutputAdded;
    std::function<void(const Output&)> onScaleChanged;
    std::function<void(const Output&)> onOutputRemoved;
    // The seat's devices (wl_seat capabilities), as they were last described, and told of each
    // change. The seat describes them as soon as it is bound, before anyone could listen.
    std::uint32_t seatCapabilities = 0;
    std::function<void()> onSeatCapabilities;

    wl_display* const display;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    xdg_wm_base* wmBase = nullptr;
    wl_seat* seat = nullptr;
    zxdg_decoration_manager_v1* decorations = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;

private:
    static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
    static void GlobalRemove(void* data, wl_registry* registry, std::uint32_t name);
    static void OutputScale(void* data, wl_output* output, std::int32_t factor);
    static void OutputDone(void* data, wl_output* output);
    static void SeatCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities);

    wl_registry* m_registry;
    std::vector<std::unique_ptr<Output>> m_outputs;
    // Those of m_outputs whose first description is complete; told to onOutputAdded then.
    std::vector<const Output*> m_described;
};
