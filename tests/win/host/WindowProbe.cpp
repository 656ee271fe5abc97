// Looks at the program's windows from inside the same wine session, for the end-to-end
// scripts: Windows class names and owners are not visible to X tools.
// Usage: WindowProbe wait   <class|-> <title|-> <timeout ms>   prints "<handle> <owner>"
//        WindowProbe absent <class|-> <title|->                 exit 0 when no such window exists
//        WindowProbe close  <class|-> <title|->                 the caption's close button
//        WindowProbe run    <program> <argument text>           starts the program with exactly
//                                                               that argument text, waits for it
//                                                               and exits with its exit code
//        WindowProbe tree   <program> <argument text>           the same, but waits until every
//                                                               process it started has ended too
//        WindowProbe texts  <class|-> <title start|->           prints the texts of every such
//                                                               window and of its controls
//        WindowProbe press  <class|-> <title start|-> <id>      clicks that button in every such
//                                                               window that takes input
//        WindowProbe place  <class|-> <title|->                 prints the window's rectangle and
//                                                               the work area of its monitor,
//                                                               "left top right bottom" each
//        WindowProbe roots                                      prints "<desktop> <message root>",
//                                                               the windows no preview may use
//        WindowProbe hold                                       keeps the desktop open until
//                                                               the process is ended
// Otherwise the exit code is 0 on success, 1 on failure.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

const wchar_t* OrNull(const wchar_t* text)
{
    return std::wcscmp(text, L"-") == 0 ? nullptr : text;
}

HWND Find(const wchar_t* className, const wchar_t* title)
{
    return FindWindowW(OrNull(className), OrNull(title));
}

// Unix command lines cannot say "/p   1234" or a leading quotation mark as one argument text,
// so the program is started from here with the text placed verbatim after its name. Started
// suspended, so that it joins the job, when one is given, before it can start anything.
HANDLE Start(const wchar_t* program, const wchar_t* arguments, HANDLE job)
{
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "WindowProbe: cannot start the program\n");
        return nullptr;
    }
    if (job && !AssignProcessToJobObject(job, process.hProcess)) {
        std::fprintf(stderr, "WindowProbe: cannot put the program into a job\n");
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return nullptr;
    }
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    return process.hProcess;
}

int ExitCodeOf(HANDLE process)
{
    WaitForSingleObject(process, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process, &exitCode);
    CloseHandle(process);
    return static_cast<int>(exitCode);
}

int Run(const wchar_t* program, const wchar_t* arguments)
{
    const HANDLE process = Start(program, arguments, nullptr);
    return process ? ExitCodeOf(process) : 1;
}

// An uninstaller may start a copy of itself from the temporary folder and end at once, leaving
// the work to the copy. Every process it starts joins its job, and the job's completion port
// reports when the last of them has ended.
int RunTree(const wchar_t* program, const wchar_t* arguments)
{
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    const HANDLE port = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association{job, port};
    if (!job || !port
        || !SetInformationJobObject(job, JobObjectAssociateCompletionPortInformation, &association,
                                    sizeof association)) {
        std::fprintf(stderr, "WindowProbe: cannot make a job with a completion port\n");
        return 1;
    }
    const HANDLE process = Start(program, arguments, job);
    if (!process) return 1;
    DWORD message = 0;
    ULONG_PTR key = 0;
    LPOVERLAPPED detail = nullptr;
    do {
        if (!GetQueuedCompletionStatus(port, &message, &key, &detail, INFINITE)) {
            std::fprintf(stderr, "WindowProbe: the job's completion port failed\n");
            return 1;
        }
    } while (key != reinterpret_cast<ULONG_PTR>(job) || message != JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO);
    const int exitCode = ExitCodeOf(process);
    CloseHandle(port);
    CloseHandle(job);
    return exitCode;
}

// Acts on every visible top-level window of that class whose title starts so: a dialog and its
// message box share the start of their title.
template <typename Action>
int ForEachMatching(const wchar_t* className, const wchar_t* titleStart, Action action)
{
    int found = 0;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, OrNull(className), nullptr));) {
        wchar_t title[256] = L"";
        GetWindowTextW(window, title, 256);
        if (IsWindowVisible(window)
            && (!OrNull(titleStart) || std::wcsncmp(title, titleStart, std::wcslen(titleStart)) == 0)) {
            action(window);
            ++found;
        }
    }
    return found > 0 ? 0 : 1;
}

// WM_GETTEXT rather than GetWindowText: an edit control of another process keeps its text to itself.
BOOL CALLBACK PrintText(HWND window, LPARAM)
{
    wchar_t text[1024] = L"";
    char utf8[4096];
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &length)
        && WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr) > 1)
        std::printf("%s\n", utf8);
    return TRUE;
}

// The message root is the parent of every message-only window; a throwaway one finds it.
int PrintRoots()
{
    const HWND messageOnly =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND messageRoot = GetAncestor(messageOnly, GA_PARENT);
    DestroyWindow(messageOnly);
    if (!messageRoot) return 1;
    std::printf("%ld %ld\n", static_cast<long>(reinterpret_cast<LONG_PTR>(GetDesktopWindow())),
                static_cast<long>(reinterpret_cast<LONG_PTR>(messageRoot)));
    return 0;
}

// Wine closes a desktop a second after the last program on it ends, and a program that starts
// in that moment can fail to make any window at all. The test run keeps one holder from its
// start to its end, so that moment never comes.
int HoldDesktop()
{
    GetDesktopWindow();  // makes this thread a user of the desktop
    Sleep(INFINITE);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && std::wstring(argv[1]) == L"roots") return PrintRoots();
    if (argc == 2 && std::wstring(argv[1]) == L"hold") return HoldDesktop();
    if (argc < 4) {
        std::fprintf(stderr, "usage: WindowProbe wait|absent|close <class|-> <title|-> [ms]\n");
        return 1;
    }
    const std::wstring command = argv[1];
    if (command == L"wait" && argc == 5) {
        const DWORD timeout = static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10));
        const DWORD start = GetTickCount();
        do {
            const HWND window = Find(argv[2], argv[3]);
            if (window && IsWindowVisible(window)) {
                std::printf("%ld %ld\n", static_cast<long>(reinterpret_cast<LONG_PTR>(window)),
                            static_cast<long>(reinterpret_cast<LONG_PTR>(GetWindow(window, GW_OWNER))));
                return 0;
            }
            Sleep(50);
        } while (GetTickCount() - start < timeout);
        return 1;
    }
    if (command == L"run") return Run(argv[2], argv[3]);
    if (command == L"tree") return RunTree(argv[2], argv[3]);
    if (command == L"texts")
        return ForEachMatching(argv[2], argv[3], [](HWND window) {
            PrintText(window, 0);
            EnumChildWindows(window, PrintText, 0);
        });
    // A window that shows a modal message box takes no input: only the box is pressed.
    if (command == L"press" && argc == 5)
        return ForEachMatching(argv[2], argv[3], [&](HWND window) {
            const int id = std::wcstol(argv[4], nullptr, 10);
            if (IsWindowEnabled(window) && GetDlgItem(window, id))
                PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
        });
    if (command == L"absent") return Find(argv[2], argv[3]) ? 1 : 0;
    if (command == L"place") {
        const HWND window = Find(argv[2], argv[3]);
        RECT placed{};
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (!window || !GetWindowRect(window, &placed)
            || !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
            return 1;
        const RECT& work = monitor.rcWork;
        std::printf("%ld %ld %ld %ld %ld %ld %ld %ld\n", placed.left, placed.top, placed.right, placed.bottom,
                    work.left, work.top, work.right, work.bottom);
        return 0;
    }
    if (command == L"close") {
        const HWND window = Find(argv[2], argv[3]);
        return window && PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    }
    std::fprintf(stderr, "WindowProbe: unknown command\n");
    return 1;
}
