#include "wayland/SceneSurface.h"

#include <algorithm>

SceneSurface::SceneSurface(Connection& connection, const Clock& clock, WorldKind world)
    : m_connection(connection),
      m_surface(wl_compositor_create_surface(connection.compositor)),
      m_buffers(connection.shm),
      m_toy(clock, world, Pictures::BetweenTicks)
{
    static const wl_surface_listener listener = {Enter, Leave};
    wl_surface_add_listener(m_surface, &listener, this);
}

SceneSurface::~SceneSurface()
{
    if (m_frame) wl_callback_destroy(m_frame);
    wl_surface_destroy(m_surface);
}

void SceneSurface::SetSize(int width, int height)
{
    m_sized = true;
    if (width == m_width && height == m_height) return;
    m_width = width;
    m_height = height;
    m_reshaped = true;
    m_toy.Resize(m_width * m_scale, m_height * m_scale);
    // Every pixel is opaque: the compositor need draw nothing beneath.
    wl_region* opaque = wl_compositor_create_region(m_connection.compositor);
    wl_region_add(opaque, 0, 0, width, height);
    wl_surface_set_opaque_region(m_surface, opaque);
    wl_region_destroy(opaque);
}

void SceneSurface::SetScale(std::int32_t scale)
{
    if (scale == m_scale) return;
    m_scale = scale;
    m_reshaped = true;
    m_toy.Resize(m_width * m_scale, m_height * m_scale);
}

std::int32_t SceneSurface::LargestScale() const
{
    std::int32_t largest = 1;
    for (const wl_output* output : m_outputs) largest = std::max(largest, m_connection.ScaleOf(output));
    return largest;
}

void SceneSurface::TickAndPaint()
{
    m_toy.TickIfDue();
    if (!m_sized || (m_frame && !m_reshaped) || m_width <= 0 || m_height <= 0) return;
    ShmBuffer* buffer = m_buffers.Next(m_width * m_scale, m_height * m_scale);
    if (!buffer) return;  // every buffer is held: a release wakes the loop to try again
    const std::vector<PixelRect> areas = m_toy.DrawFrame(buffer->Pixels());
    m_buffers.Drawn(*buffer, areas);
    buffer->AttachTo(m_surface);
    wl_surface_set_buffer_scale(m_surface, m_scale);
    for (const PixelRect& area : areas)
        wl_surface_damage_buffer(m_surface, area.left, area.top, area.right - area.left, area.bottom - area.top);
    if (m_frame) wl_callback_destroy(m_frame);
    static const wl_callback_listener listener = {FrameDone};
    m_frame = wl_surface_frame(m_surface);
    wl_callback_add_listener(m_frame, &listener, this);
    wl_surface_commit(m_surface);
    m_reshaped = false;
}

void SceneSurface::ExpectOutput(wl_output* output)
{
    if (std::find(m_outputs.begin(), m_outputs.end(), output) == m_outputs.end()) m_outputs.push_back(output);
    FollowScale();
}

void SceneSurface::Enter(void* data, wl_surface*, wl_output* output)
{
    static_cast<SceneSurface*>(data)->ExpectOutput(output);
}

void SceneSurface::Leave(void* data, wl_surface*, wl_output* output)
{
    auto& self = *static_cast<SceneSurface*>(data);
    self.m_outputs.erase(std::remove(self.m_outputs.begin(), self.m_outputs.end(), output), self.m_outputs.end());
    // Left on no output, it keeps the scale it had: it shows nowhere until it enters another.
    if (!self.m_outputs.empty()) self.FollowScale();
}

void SceneSurface::FrameDone(void* data, wl_callback* callback, std::uint32_t)
{
    auto& self = *static_cast<SceneSurface*>(data);
    wl_callback_destroy(callback);
    if (self.m_frame == callback) self.m_frame = nullptr;
}
