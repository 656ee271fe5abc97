#pragma once

#include "wayland/Connection.h"
#include "wayland/EventLoop.h"
#include "wayland/SceneSurface.h"

#include <memory>
#include <vector>

// The toy as the desktop's background: a surface on the background layer (wlr-layer-shell) of
// every output, each with a world of its own sized to it, made as outputs come and dropped as
// they go. It takes no input: the pointer and the keys pass to what is above it.
class Background final : public Shown {
public:
    // The connection must offer the layer shell.
    Background(Connection& connection, const Clock& clock, WorldKind world);
    ~Background();

    void TickAndPaint() override;
    int MsUntilDue() const override;
    // A background ends only with a signal or the compositor.
    bool Ended() const override { return false; }

private:
    struct Layer;
    void Add(const Output& output);
    void Remove(const Output& output);
    static void Configure(void* data, zwlr_layer_surface_v1* surface, std::uint32_t serial, std::uint32_t width,
                          std::uint32_t height);
    static void Closed(void* data, zwlr_layer_surface_v1* surface);

    Connection& m_connection;
    const Clock& m_clock;
    const WorldKind m_world;
    std::vector<std::unique_ptr<Layer>> m_layers;
};
