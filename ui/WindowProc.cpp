#include "ui/WindowProc.h"

#include "ui/WindowMap.h"
#include "ui/Wnd.h"

namespace {

// The object that a binding message names, or null. A window created without an owner
// object cannot be bound; any stale entry left under a reused handle value must go.
CWnd* ObjectToBind(UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return static_cast<CWnd*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    return reinterpret_cast<CWnd*>(lParam);
}

}  // namespace

INT_PTR CALLBACK RouteMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = nullptr;
    if (message == WM_NCCREATE || message == WM_INITDIALOG) {
        wnd = ObjectToBind(message, lParam);
        if (wnd) {
            WindowMap[hwnd] = wnd;
            wnd->m_hWnd = hwnd;
        } else {
            WindowMap.erase(hwnd);
        }
    } else {
        const auto found = WindowMap.find(hwnd);
        if (found != WindowMap.end()) wnd = found->second;
    }

    const INT_PTR result = wnd ? wnd->HandleMessage(hwnd, message, wParam, lParam) : 0;

    if (message == WM_NCDESTROY) WindowMap.erase(hwnd);
    return result;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (RouteMessage(hwnd, message, wParam, lParam) != 0) return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
