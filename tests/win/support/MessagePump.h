#pragma once

#include <windows.h>

// What a pump saw: whether WM_QUIT arrived (with its exit code) and how many WM_TIMER messages
// it dispatched.
struct PumpResult {
    bool quit = false;
    WPARAM exitCode = 0;
    int timerTicks = 0;
};

// Dispatches the thread's messages for at least `milliseconds` and until the queue is empty.
inline PumpResult Pump(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    PumpResult result;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                result.quit = true;
                result.exitCode = msg.wParam;
                continue;
            }
            result.timerTicks += msg.message == WM_TIMER;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (GetTickCount() - start >= milliseconds) return result;
        Sleep(5);
    }
}

// Returns true when WM_QUIT arrived (and stores its exit code), as the program's loop would end.
inline bool PumpMessages(DWORD milliseconds = 0, WPARAM* exitCode = nullptr)
{
    const PumpResult result = Pump(milliseconds);
    if (result.quit && exitCode) *exitCode = result.exitCode;
    return result.quit;
}
