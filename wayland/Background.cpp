#include "wayland/Background.h"

#include <algorithm>
#include <climits>

struct Background::Layer {
    Background* owner;
    const wl_output* output;
    SceneSurface scene;
    zwlr_layer_surface_v1* role = nullptr;

    Layer(Background* owner_, const Output& on, Connection& connection, const Clock& clock, WorldKind world)
        : owner(owner_), output(on.proxy), scene(connection, clock, world)
    {}
    ~Layer()
    {
        if (role) zwlr_layer_surface_v1_destroy(role);
    }
};

Background::Background(Connection& connection, const Clock& clock, WorldKind world)
    : m_connection(connection), m_clock(clock), m_world(world)
{
    for (const Output* output : connection.Outputs()) Add(*output);
    connection.onOutputAdded = [this](const Output& output) { Add(output); };
    connection.onOutputRemoved = [this](const Output& output) { Remove(output); };
    connection.onScaleChanged = [this](const Output&) {
        for (const auto& layer : m_layers) layer->scene.FollowScale();
    };
}

Background::~Background()
{
    m_connection.onOutputAdded = nullptr;
    m_connection.onOutputRemoved = nullptr;
    m_connection.onScaleChanged = nullptr;
}

void Background::Add(const Output& output)
{
    auto layer = std::make_unique<Layer>(this, output, m_connection, m_clock, m_world);
    layer->scene.ExpectOutput(output.proxy);
    wl_surface* surface = layer->scene.Surface();
    // An empty input region: every event goes to what lies above, or to nothing.
    wl_region* none = wl_compositor_create_region(m_connection.compositor);
    wl_surface_set_input_region(surface, none);
    wl_region_destroy(none);
    layer->role = zwlr_layer_shell_v1_get_layer_surface(m_connection.layerShell, surface, output.proxy,
                                                        ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND, "wallpaper");
    // All four edges and no size of its own: the whole output; under panels too (-1).
    zwlr_layer_surface_v1_set_anchor(layer->role, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM
                                                      | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT
                                                      | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_size(layer->role, 0, 0);
    zwlr_layer_surface_v1_set_exclusive_zone(layer->role, -1);
    static const zwlr_layer_surface_v1_listener listener = {Configure, Closed};
    zwlr_layer_surface_v1_add_listener(layer->role, &listener, layer.get());
    wl_surface_commit(surface);
    m_layers.push_back(std::move(layer));
}

void Background::Remove(const Output& output)
{
    m_layers.erase(std::remove_if(m_layers.begin(), m_layers.end(),
                                  [&](const std::unique_ptr<Layer>& l) { return l->output == output.proxy; }),
                   m_layers.end());
}

void Background::Configure(void* data, zwlr_layer_surface_v1* surface, std::uint32_t serial, std::uint32_t width,
                           std::uint32_t height)
{
    auto& layer = *static_cast<Layer*>(data);
    zwlr_layer_surface_v1_ack_configure(surface, serial);
    layer.scene.SetSize(static_cast<int>(std::min<std::uint32_t>(width, INT_MAX)),
                        static_cast<int>(std::min<std::uint32_t>(height, INT_MAX)));
}

// The compositor took the layer away (its output going, as a rule): the surface goes with it.
void Background::Closed(void* data, zwlr_layer_surface_v1*)
{
    auto& layer = *static_cast<Layer*>(data);
    Background& self = *layer.owner;
    self.m_layers.erase(std::remove_if(self.m_layers.begin(), self.m_layers.end(),
                                       [&](const std::unique_ptr<Layer>& l) { return l.get() == &layer; }),
                        self.m_layers.end());
}

void Background::TickAndPaint()
{
    for (const auto& layer : m_layers) layer->scene.TickAndPaint();
}

int Background::MsUntilDue() const
{
    int soonest = -1;  // poll's forever, while there is no output
    for (const auto& layer : m_layers) {
        const int due = layer->scene.MsUntilTick();
        soonest = soonest < 0 ? due : std::min(soonest, due);
    }
    return soonest;
}
