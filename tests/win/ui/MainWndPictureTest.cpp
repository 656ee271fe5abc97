#include "tests/win/support/MainWndFixture.h"
#include "tests/win/support/Pixels.h"

#include "render/Renderer.h"
#include "render/gdi/BackBuffer.h"
#include "render/gdi/GdiSurface.h"
#include "res/ResourceIds.h"
#include "scene/ShellDefaults.h"

#include <algorithm>
#include <functional>
#include <string>

namespace {

// The window is redrawn and copied only where the picture changed, and whole whenever what it
// shows may be lost. Whatever happens, it must show what a whole repaint of the scene gives.
class PictureTest : public MainWndFixture, public ::testing::WithParamInterface<RunModeKind> {
protected:
    void SetUp() override
    {
        if (GetParam() != RunModeKind::Preview) return;
        HostWindow = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 240,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(HostWindow, nullptr);
    }
    void TearDown() override
    {
        MainWndFixture::TearDown();
        if (HostWindow) DestroyWindow(HostWindow);
    }

    // The timer's tick, a period after the last, and the paint it asks for.
    void Tick()
    {
        Sleep(TickIntervalMs);
        Send(WM_TIMER, 1);
        UpdateWindow(Hwnd());
    }

    // Pixels of the window that differ from a whole repaint of the scene, drawn afresh. Only
    // what lies on the screen is compared: a window reaching past its edge (the plain window at
    // 200 %) keeps no pixels there.
    int StalePixels() const
    {
        RECT client{};
        GetClientRect(Hwnd(), &client);
        POINT origin{0, 0};
        ClientToScreen(Hwnd(), &origin);
        const int width = std::min<int>(client.right, GetSystemMetrics(SM_XVIRTUALSCREEN) +
                                                          GetSystemMetrics(SM_CXVIRTUALSCREEN) - origin.x);
        const int height = std::min<int>(client.bottom, GetSystemMetrics(SM_YVIRTUALSCREEN) +
                                                            GetSystemMetrics(SM_CYVIRTUALSCREEN) - origin.y);
        BackBuffer whole;
        whole.CreateBackBuffer(Hwnd(), client.right, client.bottom);
        GdiSurface surface(whole.Dc());
        RenderScene(GetScene(), client.right, client.bottom, surface);
        const Pixels shown(WindowDc(Hwnd()).Get(), width, height);
        return shown.CountDiffering(Pixels(whole.Dc(), width, height));
    }

    void Resize(int width, int height)
    {
        if (GetParam() != RunModeKind::Preview) {
            SetWindowPos(Hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            return;
        }
        // The host resizes its preview with itself.
        SetWindowPos(HostWindow, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT host{};
        GetClientRect(HostWindow, &host);
        MoveWindow(Hwnd(), 0, 0, host.right, host.bottom, TRUE);
    }

    void Expose(const RECT& area)
    {
        const GdiObject<HBRUSH> white(CreateSolidBrush(RGB(255, 255, 255)));
        FillRect(WindowDc(Hwnd()).Get(), &area, white.Get());
        InvalidateRect(Hwnd(), &area, FALSE);
    }
};

TEST_P(PictureTest, EqualsAWholeRepaintAfterTicksDropsWorldSwitchesResizesAndExposes)
{
    // Newton's Cradle swings from its first tick.
    Open(GetParam(), 1);
    UpdateWindow(Hwnd());
    RECT window{};
    GetWindowRect(Hwnd(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const bool windowed = GetParam() == RunModeKind::Windowed;

    const std::pair<const char*, std::function<void()>> steps[] = {
        {"ticks", [] {}},
        {"drops",
         [&] {
             if (!windowed) return;
             Send(WM_LBUTTONDOWN, MK_LBUTTON, At(60, 40));
             for (int x = 80; x < 300; x += 40) Send(WM_MOUSEMOVE, MK_LBUTTON, At(x, 40 + x / 4));
             Send(WM_LBUTTONUP, 0, At(300, 120));
         }},
        {"a world switch", [&] { m_window->OnCommand(IDM_WORLD_CASCADIUM); }},
        {"a smaller window", [&] { Resize(width * 3 / 4, height * 2 / 3); }},
        {"an expose", [&] { Expose(RECT{10, 10, 90, 70}); }},
        {"an expose after a tick, before its paint",
         [&] {
             Sleep(TickIntervalMs);
             Send(WM_TIMER, 1);
             Expose(RECT{30, 20, 130, 60});
         }},
        {"a display change", [&] { Send(WM_DISPLAYCHANGE, 32, MAKELPARAM(width, height)); }},
        {"a switch to 200 % scale",
         [&] {
             // The plain window doubles, still all on the screen; the others keep their place.
             RECT now{};
             GetWindowRect(Hwnd(), &now);
             RECT doubled{0, 0, 2 * (now.right - now.left), 2 * (now.bottom - now.top)};
             Send(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&doubled));
         }},
        {"a world switch at 200 %", [&] { m_window->OnCommand(IDM_WORLD_PACHINKO_MACHINE); }},
    };
    for (const auto& [what, step] : steps) {
        step();
        UpdateWindow(Hwnd());
        for (int tick = 1; tick <= 3; ++tick) {
            Tick();
            EXPECT_EQ(StalePixels(), 0) << "tick " << tick << " after " << what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryForm, PictureTest,
                         ::testing::Values(RunModeKind::Windowed, RunModeKind::ScreenSaver, RunModeKind::Preview));

}  // namespace
