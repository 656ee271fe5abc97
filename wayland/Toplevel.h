#pragma once

#include "wayland/Connection.h"
#include "wayland/EventLoop.h"
#include "wayland/SaverWake.h"
#include "wayland/SceneSurface.h"
#include "wayland/Seat.h"

// The toy in an xdg-shell window: resizable, titled with the world's name, with the server's
// decorations where xdg-decoration offers them; the pointer, touch and keys go to the toy, as
// in the X11 window. Full screen, it is the saver instead: on the output the compositor picks,
// with no pointer shown, ended by the user's first activity (SaverWake).
class Toplevel final : public Shown, public SeatInput {
public:
    Toplevel(Connection& connection, const Clock& clock, WorldKind world, bool fullscreen);
    ~Toplevel();

    void TickAndPaint() override { m_scene.TickAndPaint(); }
    int MsUntilDue() const override { return m_scene.MsUntilTick(); }
    bool Ended() const override { return m_ended || m_wake.Woken(); }

    void PointerEntered(wl_pointer* pointer, std::uint32_t serial, double x, double y) override;
    void PointerMoved(double x, double y) override;
    void ButtonChanged(PointerButton button, bool pressed) override;
    void PointerLeft() override;
    void KeyPressed(const ToyKey& key) override;
    void KeyboardLeft() override;
    void TouchDown(double x, double y) override;
    void TouchMoved(double x, double y) override;
    void TouchUp() override;

private:
    static void SurfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial);
    static void ToplevelConfigure(void* data, xdg_toplevel*, std::int32_t width, std::int32_t height, wl_array*);
    static void Close(void* data, xdg_toplevel*);
    void ShowTitle();

    SceneSurface m_scene;
    xdg_surface* m_xdgSurface;
    xdg_toplevel* m_toplevel;
    zxdg_toplevel_decoration_v1* m_decoration = nullptr;
    const bool m_saver;
    SaverWake m_wake;
    // The size the compositor asked for; until it names one, the default view size.
    int m_width;
    int m_height;
    // Where the pointer last was, in view pixels: Wayland's buttons come without a position.
    int m_pointerX = 0;
    int m_pointerY = 0;
    bool m_primaryHeld = false;
    bool m_ended = false;
    Connection& m_connection;
};
