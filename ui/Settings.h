#pragma once

#include <windows.h>

#include "Wnd.h"

// The modal settings dialog in which the user picks the world that the saver shows.
class CSettings : public CWnd {
public:
    // Runs the dialog, owned by the host window, until it closes; true whatever the outcome.
    bool Create(HINSTANCE hInstance, int nCmdShow) override;
    INT_PTR HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Fills the list with the world names and selects the stored world.
    void InitWorldList();
};
