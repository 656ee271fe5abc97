#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/Wnd.h"

// The modal settings dialog in which the user picks the world that the saver shows.
class CSettings : public CWnd {
public:
    // The dialog belongs to `owner` (none when null) and shows, and on OK replaces and stores,
    // the process's stored world.
    CSettings(HWND owner, std::int32_t& storedWorld) : m_owner(owner), m_storedWorld(storedWorld) {}

    // Runs the dialog, owned by the host window, until it closes; true whatever the outcome.
    bool Create(HINSTANCE hInstance, int nCmdShow) override;
    INT_PTR HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Fills the list with the world names and selects the stored world.
    void InitWorldList();
    // The world of the entry chosen; the stored world when none is.
    std::int32_t ChosenWorld() const;

    const HWND m_owner;
    std::int32_t& m_storedWorld;
};
