#include "wayland/Toplevel.h"

#include "scene/ShellDefaults.h"
#include "scene/WorldTable.h"

Toplevel::Toplevel(Connection& connection, const Clock& clock, WorldKind world, bool fullscreen)
    : m_scene(connection, clock, world),
      m_xdgSurface(xdg_wm_base_get_xdg_surface(connection.wmBase, m_scene.Surface())),
      m_toplevel(xdg_surface_get_toplevel(m_xdgSurface)),
      m_saver(fullscreen),
      m_width(DefaultViewWidth),
      m_height(DefaultViewHeight),
      m_connection(connection)
{
    connection.onScaleChanged = [this](const Output&) { m_scene.FollowScale(); };
    static const xdg_surface_listener surfaceListener = {SurfaceConfigure};
    // Bounds and capabilities come only from a later xdg-shell than the one bound.
    static const xdg_toplevel_listener toplevelListener = {
        ToplevelConfigure, Close, [](void*, xdg_toplevel*, std::int32_t, std::int32_t) {},
        [](void*, xdg_toplevel*, wl_array*) {}};
    xdg_surface_add_listener(m_xdgSurface, &surfaceListener, this);
    xdg_toplevel_add_listener(m_toplevel, &toplevelListener, this);
    xdg_toplevel_set_app_id(m_toplevel, "cascadium");
    ShowTitle();
    if (connection.decorations) {
        m_decoration = zxdg_decoration_manager_v1_get_toplevel_decoration(connection.decorations, m_toplevel);
        zxdg_toplevel_decoration_v1_set_mode(m_decoration, ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE);
    }
    if (m_saver) xdg_toplevel_set_fullscreen(m_toplevel, nullptr);
    // The first commit, without a picture, asks for the first configure.
    wl_surface_commit(m_scene.Surface());
}

Toplevel::~Toplevel()
{
    m_connection.onScaleChanged = nullptr;
    if (m_decoration) zxdg_toplevel_decoration_v1_destroy(m_decoration);
    xdg_toplevel_destroy(m_toplevel);
    xdg_surface_destroy(m_xdgSurface);
}

void Toplevel::ShowTitle()
{
    xdg_toplevel_set_title(m_toplevel, DisplayNameOf(m_scene.GetToy().CurrentWorld()));
}

void Toplevel::ToplevelConfigure(void* data, xdg_toplevel*, std::int32_t width, std::int32_t height, wl_array*)
{
    auto& self = *static_cast<Toplevel*>(data);
    // Zero leaves the size to the program: the one it has.
    if (width > 0) self.m_width = width;
    if (height > 0) self.m_height = height;
}

void Toplevel::SurfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial)
{
    auto& self = *static_cast<Toplevel*>(data);
    xdg_surface_ack_configure(surface, serial);
    self.m_scene.SetSize(self.m_width, self.m_height);
}

void Toplevel::Close(void* data, xdg_toplevel*)
{
    static_cast<Toplevel*>(data)->m_ended = true;
}

void Toplevel::PointerEntered(wl_pointer* pointer, std::uint32_t serial, double x, double y)
{
    if (m_saver) {
        // No pointer over the saver.
        wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
        m_wake.PointerAt(x, y);
        return;
    }
    PointerMoved(x, y);
}

void Toplevel::PointerMoved(double x, double y)
{
    if (m_saver) {
        m_wake.PointerAt(x, y);
        return;
    }
    m_pointerX = m_scene.ToView(x);
    m_pointerY = m_scene.ToView(y);
    m_scene.GetToy().PointerMoved(m_pointerX, m_pointerY, m_primaryHeld);
}

void Toplevel::ButtonChanged(PointerButton button, bool pressed)
{
    if (m_saver) {
        if (pressed) m_wake.Activity();
        return;
    }
    if (button == PointerButton::Primary) m_primaryHeld = pressed;
    // The position is the last motion's: the toy's pointer is where it last moved.
    Toy& toy = m_scene.GetToy();
    if (pressed) {
        toy.PointerPressed(button, m_pointerX, m_pointerY);
    } else {
        toy.PointerReleased(button);
    }
}

void Toplevel::PointerLeft()
{
    // The release may come elsewhere, never to this surface.
    m_primaryHeld = false;
    if (!m_saver) m_scene.GetToy().FocusLost();
}

void Toplevel::KeyPressed(const ToyKey& key)
{
    if (m_saver) {
        m_wake.Activity();
        return;
    }
    const KeyOutcome outcome = m_scene.GetToy().KeyPressed(key);
    if (outcome == KeyOutcome::WorldShown) ShowTitle();
    m_ended = m_ended || outcome == KeyOutcome::End;
}

void Toplevel::KeyboardLeft()
{
    if (!m_saver) m_scene.GetToy().FocusLost();
}

// A finger is the primary button, pressed where it touches.
void Toplevel::TouchDown(double x, double y)
{
    if (m_saver) {
        m_wake.Activity();
        return;
    }
    m_pointerX = m_scene.ToView(x);
    m_pointerY = m_scene.ToView(y);
    m_scene.GetToy().PointerPressed(PointerButton::Primary, m_pointerX, m_pointerY);
}

void Toplevel::TouchMoved(double x, double y)
{
    if (!m_saver) m_scene.GetToy().PointerMoved(m_scene.ToView(x), m_scene.ToView(y), true);
}

void Toplevel::TouchUp()
{
    if (!m_saver) m_scene.GetToy().PointerReleased(PointerButton::Primary);
}
