#include "MainWndFixture.h"
#include "PointerAt.h"

namespace {

// The full-screen saver, with the pointer's first position taken where the real pointer is,
// so that a real move the system reports in between cannot shift it.
class ScreenSaverTest : public MainWndFixture {
protected:
    void OpenWithFirstPosition()
    {
        Open(RunModeKind::ScreenSaver);
        GetCursorPos(&m_origin);
        ScreenToClient(Hwnd(), &m_origin);
        Send(WM_MOUSEMOVE, 0, At(m_origin.x, m_origin.y));
    }
    void MoveBy(int dx, int dy) { Send(WM_MOUSEMOVE, 0, At(m_origin.x + dx, m_origin.y + dy)); }

    POINT m_origin{};
};

TEST_F(ScreenSaverTest, CoversEveryMonitorAsATopmostPopupWithoutMenuOrPointer)
{
    const HWND hwnd = Open(RunModeKind::ScreenSaver);
    RECT window{};
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(window.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(window.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(window.right - window.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(window.bottom - window.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_CHILD), WS_POPUP);
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetMenu(hwnd), nullptr);
    EXPECT_EQ(GetClassLongPtrW(hwnd, GCLP_HCURSOR), 0);
}

TEST_F(ScreenSaverTest, TheFirstMoveNeverClosesAndFourPixelsAwayIsStillStill)
{
    OpenWithFirstPosition();
    EXPECT_TRUE(StaysOpen());
    MoveBy(4, 4);
    MoveBy(-4, -4);
    MoveBy(4, -4);
    EXPECT_TRUE(StaysOpen());
}

TEST_F(ScreenSaverTest, FivePixelsAlongXCloses)
{
    OpenWithFirstPosition();
    MoveBy(5, 0);
    EXPECT_TRUE(ClosesWhenPumped());
}

TEST_F(ScreenSaverTest, FivePixelsAlongYCloses)
{
    OpenWithFirstPosition();
    MoveBy(0, -5);
    EXPECT_TRUE(ClosesWhenPumped());
}

TEST_F(ScreenSaverTest, ASlowDriftClosesOnceItIsFivePixelsFromTheFirstPosition)
{
    OpenWithFirstPosition();
    for (int step = 1; step <= 4; ++step) MoveBy(step, 0);
    EXPECT_TRUE(StaysOpen());
    MoveBy(5, 0);
    EXPECT_TRUE(ClosesWhenPumped());
}

struct Activity {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class ScreenSaverActivityTest : public ScreenSaverTest, public ::testing::WithParamInterface<Activity> {};

TEST_P(ScreenSaverActivityTest, Closes)
{
    Open(RunModeKind::ScreenSaver);
    const int before = Count();
    Send(GetParam().message, GetParam().wParam, GetParam().lParam);
    EXPECT_EQ(Count(), before);
    EXPECT_TRUE(ClosesWhenPumped());
}

INSTANTIATE_TEST_SUITE_P(
    UserActivity, ScreenSaverActivityTest,
    ::testing::Values(Activity{"LeftClick", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)},
                      Activity{"RightClick", WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10)},
                      Activity{"Key", WM_KEYDOWN, 'A', 1},
                      Activity{"AltKey", WM_SYSKEYDOWN, VK_F4, 1 | (KF_ALTDOWN << 16)},
                      Activity{"Deactivation", WM_ACTIVATE, WA_INACTIVE, 0}),
    [](const ::testing::TestParamInfo<Activity>& activity) { return std::string(activity.param.name); });

TEST_F(ScreenSaverTest, TheMiddleButtonTheWheelAndMinimisedDeactivationDoNotClose)
{
    Open(RunModeKind::ScreenSaver);
    Send(WM_MBUTTONDOWN, MK_MBUTTON, At(10, 10));
    Send(WM_MBUTTONUP, 0, At(10, 10));
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(10, 10));
    Send(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
    EXPECT_TRUE(StaysOpen());
}

// The preview lives inside a host window, the way the display settings show it.
class PreviewTest : public MainWndFixture {
protected:
    void SetUp() override
    {
        m_host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 240,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_host, nullptr);
        HostWindow = m_host;
    }
    void TearDown() override
    {
        MainWndFixture::TearDown();
        DestroyWindow(m_host);
    }

    HWND m_host = nullptr;
};

TEST_F(PreviewTest, FillsTheHostsClientAreaAsAChildWithoutMenuAndWithAnArrow)
{
    const HWND hwnd = Open(RunModeKind::Preview);
    EXPECT_EQ(GetParent(hwnd), m_host);
    RECT host{};
    RECT client{};
    GetClientRect(m_host, &host);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, host.right);
    EXPECT_EQ(client.bottom, host.bottom);
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD, 0);
    EXPECT_EQ(GetMenu(hwnd), nullptr);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(hwnd, GCLP_HCURSOR)), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(PreviewTest, IgnoresPointerKeysAndDeactivation)
{
    Open(RunModeKind::Preview);
    const int before = Count();
    Send(WM_MOUSEMOVE, 0, At(10, 10));
    Send(WM_MOUSEMOVE, 0, At(100, 90));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50));
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(60, 50));
    Send(WM_LBUTTONUP, 0, At(60, 50));
    Send(WM_RBUTTONDOWN, MK_RBUTTON, At(50, 50));
    Send(WM_KEYDOWN, 'A', 1);
    Send(WM_SYSKEYDOWN, VK_F4, 1 | (static_cast<LPARAM>(KF_ALTDOWN) << 16));
    Send(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(Count(), before);
    EXPECT_TRUE(StaysOpen());
}

TEST_F(PreviewTest, ClosingTheHostEndsThePreview)
{
    const HWND hwnd = Open(RunModeKind::Preview);
    DestroyWindow(m_host);
    m_host = nullptr;
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(PumpMessages());
}

TEST(PreviewWithoutHost, CannotBeCreated)
{
    RunMode = RunModeKind::Preview;
    HostWindow = nullptr;
    CMainWnd window;
    EXPECT_FALSE(window.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    RunMode = RunModeKind::Windowed;
}

}  // namespace
