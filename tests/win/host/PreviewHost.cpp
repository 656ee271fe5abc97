// Plays the system's display settings for the preview mode: makes a window, starts the saver
// with "/p <handle>", checks that the saver's child window fills the host's client area, then
// closes the host and checks that the saver ends with exit code 0.
// Usage: PreviewHost <path of Cascadium.scr>. Exit code 0 when every check passed.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD AppearTimeoutMs = 20000;
constexpr DWORD RunMs = 1500;
constexpr DWORD ExitTimeoutMs = 15000;

int Fail(const char* what)
{
    std::fprintf(stderr, "PreviewHost: %s\n", what);
    return 1;
}

// Lets the host window answer its messages for a while.
void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
}

struct ChildSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindChildOfProcess(HWND child, LPARAM lParam)
{
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(child, &owner);
    if (owner != search->processId) return TRUE;
    search->found = child;
    return FALSE;
}

HWND WaitForChild(HWND host, DWORD processId)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < AppearTimeoutMs) {
        ChildSearch search{processId, nullptr};
        EnumChildWindows(host, FindChildOfProcess, reinterpret_cast<LPARAM>(&search));
        if (search.found && IsWindowVisible(search.found)) return search.found;
        PumpFor(100);
    }
    return nullptr;
}

bool FillsClientArea(HWND host, HWND child)
{
    RECT client{};
    GetClientRect(host, &client);
    RECT placed{};
    GetWindowRect(child, &placed);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&placed), 2);
    std::printf("host client %ld x %ld, child at (%ld, %ld) size %ld x %ld\n", client.right, client.bottom, placed.left,
                placed.top, placed.right - placed.left, placed.bottom - placed.top);
    return EqualRect(&client, &placed) != FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) return Fail("usage: PreviewHost <path of Cascadium.scr>");

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"CascadiumPreviewHost";
    if (!RegisterClassExW(&windowClass)) return Fail("cannot register the host class");

    HWND host = CreateWindowExW(0, windowClass.lpszClassName, L"Preview host",
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40, 320, 240, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    if (!host) return Fail("cannot create the host window");
    PumpFor(200);

    // Handles are 32-bit values even in 64-bit processes; the saver reads them as such.
    const long handle = static_cast<long>(reinterpret_cast<LONG_PTR>(host));
    std::printf("host window %ld\n", handle);
    std::fflush(stdout);

    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\" /p " + std::to_wstring(handle);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return Fail("cannot start the saver");
    CloseHandle(process.hThread);

    int result = 0;
    HWND child = WaitForChild(host, process.dwProcessId);
    if (!child) {
        result = Fail("no preview window appeared in the host");
    } else {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) == 0)
            result = Fail("the preview window is not a child window");
        if (GetMenu(child) != nullptr) result = Fail("the preview window has a menu");
        if (!FillsClientArea(host, child)) result = Fail("the preview window does not fill the host's client area");
        // Keyboard and pointer activity must not end a preview.
        PostMessageW(child, WM_KEYDOWN, VK_SPACE, 0);
        PostMessageW(child, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        PostMessageW(child, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
        PumpFor(RunMs);
        if (WaitForSingleObject(process.hProcess, 0) != WAIT_TIMEOUT)
            result = Fail("the preview ended while its host was still open");
    }

    DestroyWindow(host);
    PumpFor(200);
    if (WaitForSingleObject(process.hProcess, ExitTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
        result = Fail("the saver did not end after its host closed");
    } else {
        DWORD exitCode = 1;
        GetExitCodeProcess(process.hProcess, &exitCode);
        std::printf("saver exit code %lu\n", exitCode);
        if (exitCode != 0) result = Fail("the saver ended with a nonzero exit code");
    }
    CloseHandle(process.hProcess);
    return result;
}
