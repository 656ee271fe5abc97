#include "ui/MainWnd.h"

#include "render/PointerPlacement.h"
#include "res/ResourceIds.h"
#include "scene/ShellDefaults.h"
#include "ui/CanHostPreview.h"
#include "ui/DpiScale.h"
#include "ui/LoadResString.h"
#include "ui/MonitorUnion.h"
#include "ui/RunMode.h"
#include "ui/WindowProc.h"
#include "ui/WorkAreaFit.h"
#include "ui/WorldMenu.h"

#include <windowsx.h>

#include <cstdlib>

namespace {
constexpr UINT_PTR TickTimerId = 1;
}  // namespace

// The scene seeds its random generator and its step clock from the tick counter.
CMainWnd::CMainWnd(RunModeKind mode, HWND host, WorldKind& currentWorld, ObjectShape& lastPlacedShape)
    : m_mode(mode),
      m_host(host),
      m_currentWorld(currentWorld),
      m_lastPlacedShape(lastPlacedShape),
      m_scene(m_clock, *this)
{}

CMainWnd::~CMainWnd()
{
    // The map holds a plain pointer to this object: never leave it bound to a live window.
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

CMainWnd::ClassRegistration::~ClassRegistration()
{
    if (atom) UnregisterClassW(MAKEINTATOM(atom), instance);
    if (smallIcon) DestroyIcon(smallIcon);
}

bool CMainWnd::Create(HINSTANCE hInstance, int nCmdShow)
{
    m_hInstance = hInstance;
    if (m_mode == RunModeKind::Preview && !CanHostPreview(m_host)) return false;
    const auto title = LoadResString(IDS_WINDOW_TITLE, hInstance);
    const auto className = LoadResString(IDS_WINDOW_CLASS, hInstance);
    if (!title || !className) return false;
    if (!RegisterWindowClass(className.get())) return false;

    const DWORD style = m_mode == RunModeKind::Windowed      ? WS_OVERLAPPEDWINDOW
                        : m_mode == RunModeKind::ScreenSaver ? WS_POPUP
                                                             : WS_CHILD;
    const HWND parent = m_mode == RunModeKind::Preview ? m_host : nullptr;
    // The plain window keeps its physical size on a scaled screen, within its monitor's work
    // area once it knows its monitor; the saver windows are moved to their place below.
    const UINT dpi = SystemDpi();
    if (!CreateWindowExW(IsSaverMode(m_mode) ? WS_EX_TOPMOST : 0, className.get(), title.get(), style, CW_USEDEFAULT,
                         CW_USEDEFAULT, ScaleForDpi(DefaultViewWidth, dpi), ScaleForDpi(DefaultViewHeight, dpi), parent,
                         nullptr, hInstance, this))
        return false;

    if (IsSaverMode(m_mode))
        PlaceSaverWindow();
    else
        FitIntoWorkArea(m_hWnd, DefaultViewWidth, DefaultViewHeight);
    ShowWindow(m_hWnd, m_mode == RunModeKind::Preview ? SW_SHOWNOACTIVATE : nCmdShow);
    // Paints an empty (black) scene: no world exists yet.
    UpdateWindow(m_hWnd);
    m_scene.ResetWorld(m_currentWorld);
    SetTimer(m_hWnd, TickTimerId, TickIntervalMs, nullptr);
    return true;
}

bool CMainWnd::RegisterWindowClass(const wchar_t* className)
{
    m_class.instance = m_hInstance;
    m_class.smallIcon =
        static_cast<HICON>(LoadImageW(m_hInstance, MAKEINTRESOURCEW(IDI_CASCADIUM), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = m_hInstance;
    wc.hIcon = LoadIconW(m_hInstance, MAKEINTRESOURCEW(IDI_CASCADIUM));
    wc.hIconSm = m_class.smallIcon;
    // The full-screen saver hides the pointer: its class has no cursor to restore it with.
    wc.hCursor = IsFullScreen(m_mode) ? nullptr : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = IsSaverMode(m_mode) ? nullptr : MAKEINTRESOURCEW(IDR_MAIN_MENU);
    wc.lpszClassName = className;
    m_class.atom = RegisterClassExW(&wc);
    return m_class.atom != 0;
}

void CMainWnd::PlaceSaverWindow()
{
    RECT area{};
    if (m_mode == RunModeKind::Preview) {
        SetParent(m_hWnd, m_host);
        GetClientRect(m_host, &area);
    } else {
        SetCursor(nullptr);
        EnumDisplayMonitors(nullptr, nullptr, MonitorUnionProc, reinterpret_cast<LPARAM>(&area));
    }
    MoveWindow(m_hWnd, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
}

INT_PTR CMainWnd::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return 1;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 1;
    case WM_SIZE:
        CreateBackBuffer(LOWORD(lParam), HIWORD(lParam));
        return 1;
    case WM_ACTIVATE:
        // Always handled: the default handling would take the keyboard focus.
        if (IsFullScreen(m_mode) && wParam == 0) PostClose();
        return 1;
    case WM_PAINT:
        OnPaint();
        return 1;
    case WM_ERASEBKGND:
        // The paint covers the whole client area from the back buffer.
        return 1;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id >= IDM_FIRST_COMMAND && id <= IDM_LAST_COMMAND) OnCommand(id);
        return 1;
    }
    case WM_TIMER:
        m_scene.TickScene(m_currentWorld);
        return 1;
    case WM_MOUSEMOVE:
        OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 1;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 1;
    case WM_LBUTTONUP:
        m_bDragging = false;
        ReleaseCapture();
        return 1;
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Handled in every mode, so Alt+F4 and friends never reach the default handling.
        if (IsFullScreen(m_mode)) PostClose();
        return 1;
    case WM_DISPLAYCHANGE:
        m_picture.Lost(m_hWnd);
        return 0;
    case WM_DPICHANGED:
        m_picture.Lost(m_hWnd);
        // The plain window moved to a monitor of another scale takes the size the system
        // suggests; the full-screen saver keeps spanning every monitor.
        if (m_mode != RunModeKind::Windowed) return 0;
        OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
        return 1;
    default:
        return 0;
    }
}

void CMainWnd::OnCommand(int commandId)
{
    if (commandId == IDM_EXIT) {
        PostClose();
    } else if (const std::optional<WorldKind> world = WorldOfMenuItem(commandId)) {
        m_currentWorld = *world;
        m_scene.ResetWorld(*world);
    }
}

void CMainWnd::CheckWorldItem(WorldKind world, bool checked)
{
    // Called for every world the scene builds, the cradle's rebuild too: a new world's first
    // picture is drawn whole.
    m_picture.DrawWholeNext();
    const HMENU menu = GetMenu(m_hWnd);
    if (menu)
        CheckMenuItem(menu, static_cast<UINT>(MenuItemOf(world)), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void CMainWnd::RequestRedraw()
{
    m_picture.Update(m_hWnd, m_scene);
}

void CMainWnd::CreateBackBuffer(int width, int height)
{
    m_picture.Resize(m_hWnd, width, height);
}

void CMainWnd::OnPaint()
{
    m_picture.Paint(m_hWnd, m_scene);
}

void CMainWnd::OnMouseMove(int x, int y)
{
    switch (m_mode) {
    case RunModeKind::ScreenSaver:
        // Measured from the first position seen, never updated: a slow drift ends it too.
        if (!m_bMouseSeen) {
            m_nMouseX = x;
            m_nMouseY = y;
            m_bMouseSeen = true;
        } else {
            const int tolerance = ScaleForDpi(SaverPointerTolerance, WindowDpi(m_hWnd));
            if (std::abs(x - m_nMouseX) > tolerance || std::abs(y - m_nMouseY) > tolerance) PostClose();
        }
        break;
    case RunModeKind::Windowed:
        if (m_bDragging) PlaceObjectAt(x, y);
        break;
    default:
        break;
    }
}

void CMainWnd::OnDpiChanged(const RECT& suggested)
{
    SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainWnd::OnLeftButtonDown(int x, int y)
{
    m_bDragging = true;
    SetCapture(m_hWnd);
    if (m_mode == RunModeKind::Windowed)
        PlaceObjectAt(x, y);
    else if (IsFullScreen(m_mode))
        PostClose();
}

void CMainWnd::PlaceObjectAt(int x, int y)
{
    RECT client{};
    GetClientRect(m_hWnd, &client);
    ::PlaceObjectAt(m_scene, x, y, client.right, client.bottom, m_lastPlacedShape);
}

void CMainWnd::PostClose()
{
    PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
}
