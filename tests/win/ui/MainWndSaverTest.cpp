#include "render/gdi/GdiHandles.h"
#include "tests/win/support/MainWndFixture.h"
#include "tests/win/support/PointerAt.h"

namespace {

// A colour the program never paints, to see which pixels a paint reached.
constexpr COLORREF MarkerColour = RGB(255, 0, 255);

void FillClient(HWND hwnd, COLORREF colour)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(WindowDc(hwnd).Get(), &client, brush.Get());
}

COLORREF ClientPixel(HWND hwnd, int x, int y)
{
    return GetPixel(WindowDc(hwnd).Get(), x, y);
}

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
    // A change of scale leaves it spanning the monitors.
    RECT suggested{10, 10, 400, 300};
    Send(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT after{};
    GetWindowRect(hwnd, &after);
    EXPECT_TRUE(EqualRect(&after, &window));
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_CHILD), WS_POPUP);
    EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetMenu(hwnd), nullptr);
    EXPECT_EQ(GetClassLongPtrW(hwnd, GCLP_HCURSOR), 0);
}

TEST_F(ScreenSaverTest, HidesThePointerTheThreadShowedBefore)
{
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(arrow);
    ASSERT_EQ(GetCursor(), arrow);
    Open(RunModeKind::ScreenSaver);
    EXPECT_EQ(GetCursor(), nullptr);
}

// The window is made at 800 x 480 and then spread over the monitors: the paint after that must
// reach the far corner, where the first world has nothing but black.
TEST_F(ScreenSaverTest, APaintCoversTheWholeScreenNotTheFirstSize)
{
    const HWND hwnd = Open(RunModeKind::ScreenSaver);
    RECT client{};
    GetClientRect(hwnd, &client);
    ASSERT_GT(client.right, 800);
    ASSERT_GT(client.bottom, 480);
    FillClient(hwnd, MarkerColour);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(ClientPixel(hwnd, client.right - 1, client.bottom - 1), RGB(0, 0, 0));
}

// Erasing with the class background would flash white whenever the window is uncovered.
TEST_F(ScreenSaverTest, TheBackgroundIsNeverErased)
{
    const HWND hwnd = Open(RunModeKind::ScreenSaver);
    FillClient(hwnd, MarkerColour);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(ClientPixel(hwnd, 10, 10), MarkerColour);
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

INSTANTIATE_TEST_SUITE_P(UserActivity, ScreenSaverActivityTest,
                         ::testing::Values(Activity{"LeftClick", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)},
                                           Activity{"RightClick", WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10)},
                                           Activity{"Key", WM_KEYDOWN, 'A', 1},
                                           Activity{"AltKey", WM_SYSKEYDOWN, VK_F4, 1 | (KF_ALTDOWN << 16)},
                                           Activity{"Deactivation", WM_ACTIVATE, WA_INACTIVE, 0}),
                         [](const ::testing::TestParamInfo<Activity>& activity) {
                             return std::string(activity.param.name);
                         });

TEST_F(ScreenSaverTest, TheMiddleButtonTheWheelAndMinimisedDeactivationDoNotClose)
{
    Open(RunModeKind::ScreenSaver);
    Send(WM_MBUTTONDOWN, MK_MBUTTON, At(10, 10));
    Send(WM_MBUTTONUP, 0, At(10, 10));
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(10, 10));
    Send(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
    EXPECT_TRUE(StaysOpen());
}

}  // namespace
