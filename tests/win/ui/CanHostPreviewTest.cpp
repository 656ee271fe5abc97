#include "ui/CanHostPreview.h"

#include <gtest/gtest.h>

namespace {

HWND MakeWindow(DWORD style, HWND parent)
{
    return CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 100, 80, parent, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

TEST(CanHostPreview, ATopLevelWindowAndItsChildHost)
{
    const HWND top = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr);
    const HWND child = MakeWindow(WS_CHILD, top);
    EXPECT_TRUE(CanHostPreview(top));
    EXPECT_TRUE(CanHostPreview(child));
    DestroyWindow(top);
}

TEST(CanHostPreview, NoWindowAGoneWindowAndTheDesktopDoNot)
{
    EXPECT_FALSE(CanHostPreview(nullptr));
    EXPECT_FALSE(CanHostPreview(GetDesktopWindow()));
    const HWND gone = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr);
    DestroyWindow(gone);
    EXPECT_FALSE(CanHostPreview(gone));
}

TEST(CanHostPreview, NothingMessageOnlyDoes)
{
    const HWND messageOnly = MakeWindow(0, HWND_MESSAGE);
    ASSERT_NE(messageOnly, nullptr);
    const HWND messageChild = MakeWindow(WS_CHILD, messageOnly);
    const HWND messageRoot = GetAncestor(messageOnly, GA_PARENT);
    ASSERT_TRUE(IsWindow(messageRoot));
    EXPECT_FALSE(CanHostPreview(HWND_MESSAGE));
    EXPECT_FALSE(CanHostPreview(messageRoot));
    EXPECT_FALSE(CanHostPreview(messageOnly));
    EXPECT_FALSE(CanHostPreview(messageChild));
    DestroyWindow(messageOnly);
}

}  // namespace
