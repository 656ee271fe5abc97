// The entry point: reads the stored world and the argument text, then runs either the settings
// dialog or the main window until it closes. The exit code is 0 on every path.
//
// What it supplies of a shell (docs/adding-a-shell.md), without the toy: it drives the scene
// itself through SceneShell (the World menu's check marks, the redraw request).
//  [x] Clock: GetTickCount (ui/TickCountClock.h).
//  [x] Loop: the message loop and a 50 ms window timer that ticks the scene (ui/MainWnd.cpp).
//  [x] Picture: a GDI back buffer, copied onto the window when it paints (render/gdi/).
//  [x] Size and lost pixels: WM_SIZE, WM_PAINT, WM_DPICHANGED in the plain window.
//  [x] Pointer: in the plain window the left button drops objects; in the saver a move of five
//      pixels, the left or right button, or the loss of activation ends it.
//  [x] Keys: any key ends the saver; the plain window and the preview ignore them.
//  [x] Options: the screen saver's arguments (/s, /c, /p and the rest, app/CommandLine.cpp) and
//      the stored world (settings/); the World menu in the plain window.
//  [x] Ending: the window closed, File > Exit, or the saver's user activity; always status 0.
// Left out:
//  [ ] Pictures between ticks: it draws one a tick, 20 a second.
//  [ ] Digit keys for the worlds, --world and --help: the World menu and the settings dialog
//      choose the world.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <memory>
#include <string>

#include "app/CommandLine.h"
#include "app/ProcessState.h"
#include "scene/NormaliseWorld.h"
#include "ui/MainWnd.h"
#include "ui/SettingsDialog.h"

namespace {

void ReadArguments(const wchar_t* arguments)
{
    const std::u16string text(arguments, arguments + std::wcslen(arguments));
    const StartupRequest request = ParseCommandLine(text);
    RunMode = request.mode;
    // The number is a 32-bit handle value; widen it with its sign as the system does.
    HostWindow = reinterpret_cast<HWND>(static_cast<LONG_PTR>(request.host));
}

std::unique_ptr<CWnd> CreateModeObject()
{
    if (RunMode == RunModeKind::Configure) return std::make_unique<CSettings>(HostWindow, StoredWorld);
    return std::make_unique<CMainWnd>(RunMode, HostWindow, CurrentWorld, LastPlacedShape);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR arguments, int nCmdShow)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    StoredWorld = NormaliseWorld(StoredWorld);
    CurrentWorld = static_cast<WorldKind>(StoredWorld);

    ReadArguments(arguments ? arguments : L"");

    const std::unique_ptr<CWnd> window = CreateModeObject();
    if (!window->Create(hInstance, nCmdShow)) return 0;
    // The settings dialog is modal: it has been shown, answered and closed inside Create.
    if (RunMode == RunModeKind::Configure) return 0;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
