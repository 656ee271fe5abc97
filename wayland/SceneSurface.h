#pragma once

#include "scene/Clock.h"
#include "scene/WorldKind.h"
#include "toy/Toy.h"
#include "wayland/Buffers.h"
#include "wayland/Connection.h"

#include <wayland-client.h>

#include <cstdint>
#include <vector>

// The toy on one surface: its pictures drawn between ticks into the surface's buffers, one on
// each frame callback (the display's rate), at the buffer scale of the outputs it is on (the
// largest, so it is sharp on each). The role (a window, a layer) is its owner's; the owner
// tells it the surface's size in the compositor's logical pixels.
class SceneSurface {
public:
    SceneSurface(Connection& connection, const Clock& clock, WorldKind world);
    ~SceneSurface();
    SceneSurface(const SceneSurface&) = delete;
    SceneSurface& operator=(const SceneSurface&) = delete;

    wl_surface* Surface() const { return m_surface; }
    Toy& GetToy() { return m_toy; }
    // The surface is now width x height logical pixels; the next picture is drawn at once.
    void SetSize(int width, int height);
    // An output's scale changed: the surface follows it if it is on that output.
    void FollowScale() { SetScale(LargestScale()); }
    // The surface will be on this output (a layer made for it): its first picture takes the
    // output's scale, before the compositor says it entered.
    void ExpectOutput(wl_output* output);
    // A point of the surface in the toy's view pixels (buffer pixels).
    int ToView(double logical) const { return static_cast<int>(logical * m_scale); }

    // Runs the tick when it is due; draws and shows a picture when the last frame callback
    // came (or the size changed) and a buffer is free.
    void TickAndPaint();
    int MsUntilTick() const { return m_toy.MsUntilTick(); }

private:
    static void Enter(void* data, wl_surface*, wl_output* output);
    static void Leave(void* data, wl_surface*, wl_output* output);
    static void FrameDone(void* data, wl_callback* callback, std::uint32_t);
    std::int32_t LargestScale() const;
    void SetScale(std::int32_t scale);

    Connection& m_connection;
    wl_surface* m_surface;
    Buffers m_buffers;
    Toy m_toy;
    std::vector<wl_output*> m_outputs;  // those the surface is on
    int m_width = 0;
    int m_height = 0;
    std::int32_t m_scale = 1;
    bool m_sized = false;           // a size has come, the surface can show a picture
    bool m_reshaped = false;        // size or scale changed since the last picture
    wl_callback* m_frame = nullptr;  // the frame callback awaited, if any
};
