#include "tests/win/support/CreationWatch.h"
#include "tests/win/support/MainWndFixture.h"

namespace {

// The preview lives inside a host window, the way the display settings show it.
class PreviewTest : public MainWndFixture {
protected:
    void SetUp() override
    {
        m_host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 240, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
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

TEST_F(PreviewTest, IsCreatedTopmost)
{
    const CreationWatch watch;
    const HWND hwnd = Open(RunModeKind::Preview);
    EXPECT_NE(CreationWatch::AskedExStyle(hwnd) & WS_EX_TOPMOST, 0u);
}

// The host may start the saver with any show command; the preview neither takes it up nor
// takes the activation from the host's dialog.
TEST_F(PreviewTest, ShowsWholeAndInactiveWhateverTheShowCommand)
{
    SetForegroundWindow(m_host);
    SetFocus(m_host);
    ASSERT_EQ(GetFocus(), m_host);
    const HWND hwnd = Open(RunModeKind::Preview, 0, SW_SHOWMINIMIZED);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_EQ(GetFocus(), m_host);
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

TEST(PreviewWithoutHost, CannotBeCreatedForNoWindowTheDesktopOrTheMessageOnlyParent)
{
    WorldKind world = WorldKind::Cascadium;
    ObjectShape lastPlaced = ObjectShape::Circle;
    for (const HWND host : {HWND{nullptr}, GetDesktopWindow(), HWND_MESSAGE}) {
        CMainWnd window(RunModeKind::Preview, host, world, lastPlaced);
        EXPECT_FALSE(window.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
        EXPECT_EQ(window.GetHwnd(), nullptr);
    }
}

}  // namespace
