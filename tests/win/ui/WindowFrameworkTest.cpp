#include "tests/win/support/MessagePump.h"
#include "ui/WindowMap.h"
#include "ui/WindowProc.h"
#include "ui/Wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr const wchar_t* FrameworkClassName = L"CascadiumFrameworkTest";

// A window object that records what reaches it and handles only what it is told to.
class RecordingWnd : public CWnd {
public:
    explicit RecordingWnd(std::vector<UINT> handled = {}) : m_handled(std::move(handled)) {}

    bool Create(HINSTANCE hInstance, int) override
    {
        m_hInstance = hInstance;
        return CreateWindowExW(0, FrameworkClassName, L"framework", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                               nullptr, hInstance, this)
               != nullptr;
    }

    INT_PTR HandleMessage(HWND hwnd, UINT message, WPARAM, LPARAM) override
    {
        seen.push_back(message);
        seenBy.push_back(hwnd);
        for (UINT m : m_handled)
            if (m == message) return 1;
        return 0;
    }

    bool Saw(UINT message) const
    {
        for (UINT m : seen)
            if (m == message) return true;
        return false;
    }

    std::vector<UINT> seen;
    std::vector<HWND> seenBy;

private:
    std::vector<UINT> m_handled;
};

class WindowFrameworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = FrameworkClassName;
        RegisterClassExW(&wc);
    }
    static void TearDownTestSuite() { UnregisterClassW(FrameworkClassName, GetModuleHandleW(nullptr)); }
    void TearDown() override
    {
        PumpMessages();
        WindowMap.clear();
    }
};

TEST_F(WindowFrameworkTest, AnUnboundHandleGetsTheDefaultHandlingAndBindsNothing)
{
    const HWND plain = CreateWindowExW(0, L"STATIC", L"plain text", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(plain, nullptr);

    wchar_t text[32] = {};
    const LRESULT length = WindowProc(plain, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(length, 10);
    EXPECT_STREQ(text, L"plain text");
    EXPECT_EQ(RouteMessage(plain, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text)), 0);
    EXPECT_TRUE(WindowMap.empty());
    DestroyWindow(plain);
}

TEST_F(WindowFrameworkTest, CreationBindsTheHandleFromTheFirstNonClientMessage)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.Create(GetModuleHandleW(nullptr), SW_HIDE));
    const HWND hwnd = wnd.GetHwnd();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(WindowMap.at(hwnd), &wnd);

    // Anything before WM_NCCREATE (such as WM_GETMINMAXINFO) never reached the object.
    ASSERT_FALSE(wnd.seen.empty());
    EXPECT_EQ(wnd.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_TRUE(wnd.Saw(WM_CREATE));
    for (HWND h : wnd.seenBy) EXPECT_EQ(h, hwnd);

    SendMessageW(hwnd, WM_APP + 7, 0, 0);
    EXPECT_EQ(wnd.seen.back(), static_cast<UINT>(WM_APP + 7));
    DestroyWindow(hwnd);
}

TEST_F(WindowFrameworkTest, DestructionUnbindsEvenWhenTheObjectHandlesNothing)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.Create(GetModuleHandleW(nullptr), SW_HIDE));
    const HWND hwnd = wnd.GetHwnd();
    DestroyWindow(hwnd);

    EXPECT_TRUE(wnd.Saw(WM_NCDESTROY));
    EXPECT_EQ(WindowMap.count(hwnd), 0u);
    const size_t seenBefore = wnd.seen.size();
    RouteMessage(hwnd, WM_APP, 0, 0);
    EXPECT_EQ(wnd.seen.size(), seenBefore);
}

TEST_F(WindowFrameworkTest, HandledMessagesAnswerZeroAndSkipTheDefaultHandling)
{
    // WM_SYSKEYDOWN with Alt+F4 would close the window through the default handling.
    const LPARAM altF4 = 1 | (static_cast<LPARAM>(KF_ALTDOWN) << 16);

    RecordingWnd keeps({WM_SYSKEYDOWN, WM_GETTEXTLENGTH});
    ASSERT_TRUE(keeps.Create(GetModuleHandleW(nullptr), SW_SHOW));
    EXPECT_EQ(SendMessageW(keeps.GetHwnd(), WM_GETTEXTLENGTH, 0, 0), 0);
    SendMessageW(keeps.GetHwnd(), WM_SYSKEYDOWN, VK_F4, altF4);
    PumpMessages(50);
    EXPECT_TRUE(IsWindow(keeps.GetHwnd()));

    RecordingWnd passes;
    ASSERT_TRUE(passes.Create(GetModuleHandleW(nullptr), SW_SHOW));
    EXPECT_EQ(SendMessageW(passes.GetHwnd(), WM_GETTEXTLENGTH, 0, 0), 9);
    SendMessageW(passes.GetHwnd(), WM_SYSKEYDOWN, VK_F4, altF4);
    PumpMessages(50);
    EXPECT_FALSE(IsWindow(passes.GetHwnd()));
    EXPECT_EQ(WindowMap.count(passes.GetHwnd()), 0u);

    DestroyWindow(keeps.GetHwnd());
}

TEST_F(WindowFrameworkTest, ACreationMessageForAReusedHandleReplacesTheEntry)
{
    RecordingWnd first;
    RecordingWnd second;
    // A handle value the system has given to a new window after the old one died.
    const HWND reused = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4242));
    CREATESTRUCTW create{};

    create.lpCreateParams = &first;
    RouteMessage(reused, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create));
    create.lpCreateParams = &second;
    RouteMessage(reused, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create));

    EXPECT_EQ(WindowMap.at(reused), &second);
    EXPECT_EQ(second.GetHwnd(), reused);
    RouteMessage(reused, WM_APP, 0, 0);
    EXPECT_EQ(second.seen.back(), static_cast<UINT>(WM_APP));
    EXPECT_EQ(first.seen.size(), 1u);

    // A window made without an owner object under that value is not sent to the old one.
    create.lpCreateParams = nullptr;
    EXPECT_EQ(RouteMessage(reused, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)), 0);
    EXPECT_EQ(WindowMap.count(reused), 0u);
}

// A dialog template with no controls, laid out as DLGTEMPLATE expects (WORD aligned).
struct EmptyDialog {
    DLGTEMPLATE header{WS_POPUP, 0, 0, 0, 0, 80, 40};
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

TEST_F(WindowFrameworkTest, DialogsBindAtInitDialogAndUnbindAtDestruction)
{
    alignas(DWORD) EmptyDialog dialogTemplate;
    RecordingWnd wnd({WM_INITDIALOG});
    const HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialogTemplate.header, nullptr,
                                                   RouteMessage, reinterpret_cast<LPARAM>(&wnd));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(wnd.GetHwnd(), dialog);
    EXPECT_EQ(WindowMap.at(dialog), &wnd);
    ASSERT_FALSE(wnd.seen.empty());
    EXPECT_EQ(wnd.seen.front(), static_cast<UINT>(WM_INITDIALOG));

    DestroyWindow(dialog);
    EXPECT_EQ(WindowMap.count(dialog), 0u);
}

}  // namespace
