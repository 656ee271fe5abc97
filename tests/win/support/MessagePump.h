#pragma once

#include <windows.h>

// Dispatches the thread's messages for at least `milliseconds` and until the queue is empty.
// Returns true when WM_QUIT arrived (and stores its exit code), as the program's loop would end.
inline bool PumpMessages(DWORD milliseconds = 0, WPARAM* exitCode = nullptr)
{
    const DWORD start = GetTickCount();
    bool quit = false;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                if (exitCode) *exitCode = msg.wParam;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (GetTickCount() - start >= milliseconds) return quit;
        Sleep(5);
    }
}
