#pragma once

#include "tests/win/support/MessagePump.h"
#include "tests/win/support/PointerAt.h"
#include "ui/MainWnd.h"
#include "ui/RunMode.h"

#include <gtest/gtest.h>

#include <memory>

// Opens a real main window in a chosen run mode and drives it with messages. Each test gets a
// fresh window, with its own stand-ins for the values the entry point hands over.
class MainWndFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        m_window.reset();
        PumpMessages();
    }

    // Creates the window as the entry point would, with the show command the process was
    // started with. Nothing is pumped, so no tick has run yet.
    HWND Open(RunModeKind mode, int world = 0, int showCommand = SW_SHOWNORMAL)
    {
        CurrentWorld = static_cast<WorldKind>(world);
        m_window = std::make_unique<CMainWnd>(mode, HostWindow, CurrentWorld, LastPlacedShape);
        const bool created = m_window->Create(GetModuleHandleW(nullptr), showCommand);
        EXPECT_TRUE(created);
        return created ? m_window->GetHwnd() : nullptr;
    }

    HWND Hwnd() const { return m_window->GetHwnd(); }
    const Scene& GetScene() const { return m_window->GetScene(); }
    int Count() const { return GetScene().ObjectCount(); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageW(Hwnd(), message, wParam, lParam);
    }

    // Lets the posted messages run; true when the window is gone and the loop would have ended
    // with exit code 0.
    bool ClosesWhenPumped()
    {
        WPARAM exitCode = 1;
        const bool quit = PumpMessages(30, &exitCode);
        return quit && exitCode == 0 && !IsWindow(Hwnd());
    }

    // Still there after a while of pumping.
    bool StaysOpen()
    {
        const bool quit = PumpMessages(60);
        return !quit && IsWindow(Hwnd());
    }

    HWND HostWindow = nullptr;
    WorldKind CurrentWorld = WorldKind::Cascadium;
    ObjectShape LastPlacedShape = ObjectShape::Circle;
    std::unique_ptr<CMainWnd> m_window;
};
