#include "ui/DpiScale.h"

namespace {

// The per-monitor queries exist from Windows 10 (1607) on; the program also runs on older
// Windows, so they are looked up rather than imported.
template <typename Function>
Function User32Function(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// The screen's logical dots per inch: the system's value for a program that declares awareness.
UINT ScreenDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : BaseDpi;
}

}  // namespace

int ScaleForDpi(int pixelsAt96, UINT dpi)
{
    return MulDiv(pixelsAt96, static_cast<int>(dpi), static_cast<int>(BaseDpi));
}

UINT SystemDpi()
{
    static const auto getDpiForSystem = User32Function<UINT(WINAPI*)()>("GetDpiForSystem");
    return getDpiForSystem ? getDpiForSystem() : ScreenDpi();
}

UINT WindowDpi(HWND hwnd)
{
    static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow ? getDpiForWindow(hwnd) : 0;
    return dpi ? dpi : SystemDpi();
}
