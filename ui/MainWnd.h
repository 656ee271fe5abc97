#pragma once

#include "scene/ObjectShape.h"
#include "scene/Scene.h"
#include "scene/SceneShell.h"
#include "ui/RunMode.h"
#include "ui/TickCountClock.h"
#include "ui/WindowPicture.h"
#include "ui/Wnd.h"

// The window the simulation runs in: a plain resizable window with a menu (Windowed), a
// borderless topmost window over all monitors (ScreenSaver) or a child of the host's preview
// area (Preview). Owns the scene and the back buffer; turns timer ticks into simulation
// steps, left-button drags into dropped objects and, in the full-screen saver, any user
// activity into closing.
class CMainWnd final : public CWnd, public SceneShell {
public:
    // The run mode and, in a preview, the host window come from the command line; the current
    // world and the last dropped shape are the process's own, read and changed here.
    CMainWnd(RunModeKind mode, HWND host, WorldKind& currentWorld, ObjectShape& lastPlacedShape);
    ~CMainWnd() override;

    bool Create(HINSTANCE hInstance, int nCmdShow) override;
    INT_PTR HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int commandId);

    // SceneShell
    void CheckWorldItem(WorldKind world, bool checked) override;
    void RequestRedraw() override;

    const Scene& GetScene() const { return m_scene; }

private:
    bool RegisterWindowClass(const wchar_t* className);
    void PlaceSaverWindow();
    void CreateBackBuffer(int width, int height);
    void OnPaint();
    void OnMouseMove(int x, int y);
    void OnDpiChanged(const RECT& suggested);
    void OnLeftButtonDown(int x, int y);
    void PlaceObjectAt(int x, int y);
    void PostClose();

    struct ClassRegistration {
        ~ClassRegistration();
        ATOM atom = 0;
        HINSTANCE instance = nullptr;
        HICON smallIcon = nullptr;  // LoadImageW gives an icon of our own to destroy
    };

    const RunModeKind m_mode;
    const HWND m_host;
    WorldKind& m_currentWorld;
    ObjectShape& m_lastPlacedShape;
    TickCountClock m_clock;
    Scene m_scene;
    WindowPicture m_picture;
    int m_nMouseX = 0;
    int m_nMouseY = 0;
    bool m_bMouseSeen = false;
    bool m_bDragging = false;
    ClassRegistration m_class;
};
