#pragma once

#include <windows.h>

// Base of every window and dialog object of the program. A derived class creates its window
// (or runs its dialog) in Create and answers messages in HandleMessage; RouteMessage binds the
// handle to the object and forwards each message. The object must outlive its window.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Creates the window or runs the dialog; true on success.
    virtual bool Create(HINSTANCE hInstance, int nCmdShow) = 0;
    virtual HWND GetHwnd() const { return m_hWnd; }
    // Nonzero when the message has been handled.
    virtual INT_PTR HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    HINSTANCE m_hInstance = nullptr;
    HWND m_hWnd = nullptr;

private:
    friend INT_PTR CALLBACK RouteMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
