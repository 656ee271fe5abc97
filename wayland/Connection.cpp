#include "wayland/Connection.h"

#include <algorithm>
#include <cstring>

namespace {

// The versions the program speaks: damage_buffer needs the compositor's 4th, the output's
// scale its 2nd and its release the 3rd, the seat's release requests its 5th.
constexpr std::uint32_t CompositorVersion = 4;
constexpr std::uint32_t OutputVersion = 3;
constexpr std::uint32_t SeatVersion = 5;

void* Bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface, std::uint32_t offered,
           std::uint32_t wanted)
{
    return wl_registry_bind(registry, name, &interface, std::min(offered, wanted));
}

void Ping(void*, xdg_wm_base* base, std::uint32_t serial)
{
    xdg_wm_base_pong(base, serial);
}

const xdg_wm_base_listener WmBaseListener = {Ping};

void OutputGeometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                    const char*, const char*, std::int32_t)
{}
void OutputMode(void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {}
void OutputText(void*, wl_output*, const char*) {}

}  // namespace

Connection::Connection(wl_display* display_) : display(display_), m_registry(wl_display_get_registry(display_))
{
    static const wl_registry_listener listener = {Global, GlobalRemove};
    wl_registry_add_listener(m_registry, &listener, this);
    wl_display_roundtrip(display);
    wl_display_roundtrip(display);
}

Connection::~Connection()
{
    for (const auto& output : m_outputs) wl_output_release(output->proxy);
    if (layerShell) zwlr_layer_shell_v1_destroy(layerShell);
    if (decorations) zxdg_decoration_manager_v1_destroy(decorations);
    if (seat) wl_seat_release(seat);
    if (wmBase) xdg_wm_base_destroy(wmBase);
    if (shm) wl_shm_destroy(shm);
    if (compositor) wl_compositor_destroy(compositor);
    wl_registry_destroy(m_registry);
}

std::int32_t Connection::ScaleOf(const wl_output* output) const
{
    for (const auto& o : m_outputs)
        if (o->proxy == output) return o->scale;
    return 1;
}

void Connection::Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                        std::uint32_t version)
{
    auto& self = *static_cast<Connection*>(data);
    const auto is = [&](const wl_interface& i) { return std::strcmp(interface, i.name) == 0; };
    if (is(wl_compositor_interface)) {
        if (version >= CompositorVersion)
            self.compositor = static_cast<wl_compositor*>(Bind(registry, name, wl_compositor_interface, version, CompositorVersion));
    } else if (is(wl_shm_interface)) {
        self.shm = static_cast<wl_shm*>(Bind(registry, name, wl_shm_interface, version, 1));
    } else if (is(xdg_wm_base_interface)) {
        self.wmBase = static_cast<xdg_wm_base*>(Bind(registry, name, xdg_wm_base_interface, version, 1));
        xdg_wm_base_add_listener(self.wmBase, &WmBaseListener, nullptr);
    } else if (is(wl_seat_interface) && !self.seat && version >= SeatVersion) {
        self.seat = static_cast<wl_seat*>(Bind(registry, name, wl_seat_interface, version, SeatVersion));
        static const wl_seat_listener listener = {SeatCapabilities, [](void*, wl_seat*, const char*) {}};
        wl_seat_add_listener(self.seat, &listener, &self);
    } else if (is(zxdg_decoration_manager_v1_interface)) {
        self.decorations = static_cast<zxdg_decoration_manager_v1*>(
            Bind(registry, name, zxdg_decoration_manager_v1_interface, version, 1));
    } else if (is(zwlr_layer_shell_v1_interface)) {
        self.layerShell =
            static_cast<zwlr_layer_shell_v1*>(Bind(registry, name, zwlr_layer_shell_v1_interface, version, 1));
    } else if (is(wl_output_interface) && version >= OutputVersion) {
        auto output = std::make_unique<Output>();
        output->proxy = static_cast<wl_output*>(Bind(registry, name, wl_output_interface, version, OutputVersion));
        output->name = name;
        static const wl_output_listener listener = {OutputGeometry, OutputMode, OutputDone, OutputScale, OutputText, OutputText};
        wl_output_add_listener(output->proxy, &listener, &self);
        self.m_outputs.push_back(std::move(output));
    }
}

void Connection::GlobalRemove(void* data, wl_registry*, std::uint32_t name)
{
    auto& self = *static_cast<Connection*>(data);
    const auto gone = std::find_if(self.m_outputs.begin(), self.m_outputs.end(),
                                   [&](const std::unique_ptr<Output>& o) { return o->name == name; });
    if (gone == self.m_outputs.end()) return;
    const auto described = std::find(self.m_described.begin(), self.m_described.end(), gone->get());
    if (described != self.m_described.end()) {
        self.m_described.erase(described);
        if (self.onOutputRemoved) self.onOutputRemoved(**gone);
    }
    wl_output_release((*gone)->proxy);
    self.m_outputs.erase(gone);
}

void Connection::OutputScale(void* data, wl_output* proxy, std::int32_t factor)
{
    auto& self = *static_cast<Connection*>(data);
    for (const auto& o : self.m_outputs)
        if (o->proxy == proxy) o->scale = std::max(factor, 1);
}

void Connection::OutputDone(void* data, wl_output* proxy)
{
    auto& self = *static_cast<Connection*>(data);
    const auto output = std::find_if(self.m_outputs.begin(), self.m_outputs.end(),
                                     [&](const std::unique_ptr<Output>& o) { return o->proxy == proxy; });
    if (output == self.m_outputs.end()) return;
    const bool known = std::find(self.m_described.begin(), self.m_described.end(), output->get()) != self.m_described.end();
    if (!known) {
        self.m_described.push_back(output->get());
        if (self.onOutputAdded) self.onOutputAdded(**output);
    } else if (self.onScaleChanged) {
        self.onScaleChanged(**output);
    }
}

void Connection::SeatCapabilities(void* data, wl_seat*, std::uint32_t capabilities)
{
    auto& self = *static_cast<Connection*>(data);
    self.seatCapabilities = capabilities;
    if (self.onSeatCapabilities) self.onSeatCapabilities();
}
