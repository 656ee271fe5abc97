#pragma once

#include <windows.h>

// Wine drops WS_EX_TOPMOST from a child window as it creates it, so the style asked for is read
// where the thread's CBT hook sees the creation.
class CreationWatch {
public:
    CreationWatch() : m_hook(SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId())) {}
    ~CreationWatch() { UnhookWindowsHookEx(m_hook); }
    CreationWatch(const CreationWatch&) = delete;
    CreationWatch& operator=(const CreationWatch&) = delete;

    // The extended style of the window last created on this thread, if it is this one.
    static DWORD AskedExStyle(HWND hwnd) { return hwnd == s_created ? s_exStyle : 0; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            s_created = reinterpret_cast<HWND>(wParam);
            s_exStyle = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs->dwExStyle;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    inline static HWND s_created = nullptr;
    inline static DWORD s_exStyle = 0;
    HHOOK m_hook;
};
