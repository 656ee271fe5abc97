#include "tests/win/support/MainWndFixture.h"
#include "tests/win/support/PointerAt.h"

#include "res/ResourceIds.h"
#include "scene/WorldTable.h"

#include <box2d/box2d.h>

#include <cstddef>

namespace {

constexpr WPARAM CascadiumItem = 114;
constexpr WPARAM NewtonsCradleItem = 113;
constexpr WPARAM PachinkoItem = 116;

bool IsChecked(HWND hwnd, UINT item)
{
    return (GetMenuState(GetMenu(hwnd), item, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

b2Shape::Type NewestShape(const Scene& scene)
{
    return scene.LastObject()->body->GetFixtureList()->GetType();
}

class WindowedTest : public MainWndFixture {};

TEST_F(WindowedTest, IsAnOrdinaryWindowWithTheMenuAndTheCheckedWorld)
{
    const HWND hwnd = Open(RunModeKind::Windowed, 2);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    ASSERT_NE(GetMenu(hwnd), nullptr);
    EXPECT_TRUE(IsChecked(hwnd, PachinkoItem));
    EXPECT_FALSE(IsChecked(hwnd, CascadiumItem));
    EXPECT_FALSE(IsChecked(hwnd, NewtonsCradleItem));

    RECT window{};
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(window.right - window.left, 800);
    EXPECT_EQ(window.bottom - window.top, 480);
    wchar_t title[32] = {};
    GetWindowTextW(hwnd, title, 32);
    EXPECT_STREQ(title, L"Cascadium");
}

// Moved to a monitor of another scale, the window takes exactly the rectangle the system offers.
TEST_F(WindowedTest, TakesTheSuggestedRectangleWhenItsMonitorsScaleChanges)
{
    const HWND hwnd = Open(RunModeKind::Windowed);
    RECT suggested{30, 40, 30 + 1000, 40 + 600};
    Send(WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&suggested));
    RECT window{};
    GetWindowRect(hwnd, &window);
    EXPECT_TRUE(EqualRect(&window, &suggested))
        << window.right - window.left << "x" << window.bottom - window.top << "+" << window.left << "+" << window.top;
}

TEST_F(WindowedTest, APressDropsOneObjectUnderThePointerAndDraggingLeavesATrail)
{
    Open(RunModeKind::Windowed);
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int before = Count();

    // The middle of the top row is world (0, 30).
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(client.right / 2, 0));
    EXPECT_EQ(Count(), before + 1);
    EXPECT_EQ(GetCapture(), Hwnd());
    const b2Vec2 dropped = GetScene().LastObject()->body->GetPosition();
    EXPECT_NEAR(dropped.x, 0.0f, 1e-5f);
    EXPECT_NEAR(dropped.y, 30.0f, 1e-5f);

    Send(WM_MOUSEMOVE, MK_LBUTTON, At(100, 100));
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(110, 100));
    // A captured pointer outside the client area still drops, above or left of the view.
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(-20, -30));
    EXPECT_EQ(Count(), before + 4);
    EXPECT_GT(GetScene().LastObject()->body->GetPosition().y, 30.0f);

    Send(WM_LBUTTONUP, 0, At(110, 100));
    EXPECT_EQ(GetCapture(), nullptr);
    Send(WM_MOUSEMOVE, 0, At(120, 100));
    EXPECT_EQ(Count(), before + 4);
}

TEST_F(WindowedTest, MovingWithoutTheButtonDropsNothing)
{
    Open(RunModeKind::Windowed);
    const int before = Count();
    Send(WM_MOUSEMOVE, 0, At(100, 100));
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(140, 100));
    EXPECT_EQ(Count(), before);
}

TEST_F(WindowedTest, DropsAlternateBoxAndCircleAcrossPresses)
{
    Open(RunModeKind::Windowed);
    const b2Shape::Type expected[] = {b2Shape::e_polygon, b2Shape::e_circle, b2Shape::e_polygon, b2Shape::e_circle};
    for (b2Shape::Type shape : expected) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, At(200, 100));
        Send(WM_LBUTTONUP, 0, At(200, 100));
        EXPECT_EQ(NewestShape(GetScene()), shape);
    }
    EXPECT_EQ(LastPlacedShape, ObjectShape::Circle);
}

TEST_F(WindowedTest, NothingIsDroppedOnceTheSceneHoldsAHundredEntriesAndTheAlternationPauses)
{
    Open(RunModeKind::Windowed);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(200, 100));
    for (int i = 0; Count() < 100 && i < 200; ++i) Send(WM_MOUSEMOVE, MK_LBUTTON, At(200 + i % 50, 100));
    ASSERT_EQ(Count(), 100);
    const ObjectShape paused = LastPlacedShape;

    Send(WM_MOUSEMOVE, MK_LBUTTON, At(300, 120));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(300, 120));
    EXPECT_EQ(Count(), 100);
    EXPECT_EQ(LastPlacedShape, paused);
}

TEST_F(WindowedTest, KeysAndAltF4DoNothing)
{
    Open(RunModeKind::Windowed);
    const int before = Count();
    Send(WM_KEYDOWN, VK_ESCAPE, 1);
    Send(WM_KEYDOWN, VK_SPACE, 1);
    Send(WM_SYSKEYDOWN, VK_F4, 1 | (static_cast<LPARAM>(KF_ALTDOWN) << 16));
    Send(WM_RBUTTONDOWN, MK_RBUTTON, At(200, 100));
    Send(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(Count(), before);
    EXPECT_TRUE(StaysOpen());
}

TEST_F(WindowedTest, WorldItemsRebuildTheWorldAndMoveTheCheckMark)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Zantrel");
    const HWND hwnd = Open(RunModeKind::Windowed, 0);
    const int cascadiumEntries = Count();
    EXPECT_TRUE(IsChecked(hwnd, CascadiumItem));

    Send(WM_COMMAND, NewtonsCradleItem);
    EXPECT_EQ(CurrentWorld, WorldKind::NewtonsCradle);
    EXPECT_TRUE(IsChecked(hwnd, NewtonsCradleItem));
    EXPECT_FALSE(IsChecked(hwnd, CascadiumItem));
    EXPECT_FALSE(IsChecked(hwnd, PachinkoItem));
    EXPECT_NE(Count(), cascadiumEntries);

    Send(WM_COMMAND, PachinkoItem);
    EXPECT_EQ(CurrentWorld, WorldKind::PachinkoMachine);
    EXPECT_TRUE(IsChecked(hwnd, PachinkoItem));
    EXPECT_FALSE(IsChecked(hwnd, NewtonsCradleItem));

    // Choosing the world already shown starts it afresh.
    Send(WM_COMMAND, CascadiumItem);
    EXPECT_EQ(Count(), cascadiumEntries);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(200, 100));
    Send(WM_LBUTTONUP, 0, At(200, 100));
    ASSERT_EQ(Count(), cascadiumEntries + 1);
    Send(WM_COMMAND, CascadiumItem);
    EXPECT_EQ(Count(), cascadiumEntries);
    EXPECT_TRUE(IsChecked(hwnd, CascadiumItem));

    // The menu never stores the choice.
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Zantrel\\Cascadium", 0, KEY_READ, &key), ERROR_SUCCESS);
}

// As many World items as the table has worlds, each the command of the world at its place: an
// item the window does not act on would pass the resources' tests and do nothing.
TEST_F(WindowedTest, EveryWorldItemOnTheMenuSwitchesToTheWorldAtItsPlace)
{
    const HWND hwnd = Open(RunModeKind::Windowed, 0);
    const HMENU worlds = GetSubMenu(GetMenu(hwnd), 1);
    ASSERT_EQ(GetMenuItemCount(worlds), static_cast<int>(WorldCount));
    // From the last back, so that every item changes the world shown.
    for (std::size_t i = WorldCount; i-- > 0;) {
        const UINT item = GetMenuItemID(worlds, static_cast<int>(i));
        Send(WM_COMMAND, item);
        EXPECT_EQ(CurrentWorld, WorldTable[i].kind) << WorldTable[i].shortName;
        EXPECT_TRUE(IsChecked(hwnd, item)) << WorldTable[i].shortName;
    }
}

TEST_F(WindowedTest, CommandsNotOnTheMenuChangeNothing)
{
    const HMENU menu = GetMenu(Open(RunModeKind::Windowed, 1));
    const int before = Count();
    for (WPARAM id = 1; id <= 200; ++id) {
        if (GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) == static_cast<UINT>(-1)) Send(WM_COMMAND, id);
    }
    EXPECT_EQ(CurrentWorld, WorldKind::NewtonsCradle);
    EXPECT_EQ(Count(), before);
    EXPECT_TRUE(StaysOpen());
}

TEST_F(WindowedTest, FileExitClosesTheWindowAndEndsTheLoopWithExitCodeZero)
{
    Open(RunModeKind::Windowed);
    Send(WM_COMMAND, IDM_EXIT);
    EXPECT_TRUE(ClosesWhenPumped());
}

TEST_F(WindowedTest, TheTimerTicksAboutTwentyTimesASecondAndRunsTheScene)
{
    Open(RunModeKind::Windowed, 0);
    const int before = Count();
    // Forty ticks of 50 ms in two seconds; a loaded machine loses some, and a period of 400 ms
    // would give five.
    const int ticks = Pump(2000).timerTicks;
    EXPECT_GE(ticks, 16);
    EXPECT_LE(ticks, 42);
    EXPECT_GT(Count(), before);
}

}  // namespace
