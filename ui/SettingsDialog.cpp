#include "ui/SettingsDialog.h"

#include "res/ResourceIds.h"
#include "scene/NormaliseWorld.h"
#include "scene/WorldTable.h"
#include "settings/WorldSetting.h"
#include "ui/LoadResString.h"
#include "ui/WindowProc.h"

bool CSettings::Create(HINSTANCE hInstance, int)
{
    m_hInstance = hInstance;
    DialogBoxParamW(hInstance, MAKEINTRESOURCEW(IDD_SETTINGS), m_owner, RouteMessage,
                    reinterpret_cast<LPARAM>(static_cast<CWnd*>(this)));
    return true;
}

INT_PTR CSettings::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        InitWorldList();
        return 1;  // the system focuses the first tab stop, the OK button
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            m_storedWorld = static_cast<std::int32_t>(SendDlgItemMessageW(hwnd, IDC_WORLD_LIST, CB_GETCURSEL, 0, 0));
            WriteWorldSetting(m_storedWorld);
            EndDialog(hwnd, 1);
            break;
        case IDCANCEL:
            EndDialog(hwnd, 1);
            break;
        }
        return 1;
    default:
        return 0;
    }
}

// The list sorts its entries; the world names are in alphabetical order, so a list position
// is a world index.
void CSettings::InitWorldList()
{
    for (UINT i = 0; i < WorldCount; ++i) {
        const auto name = LoadResString(IDS_WORLD_NAME_FIRST + i, m_hInstance);
        if (name) SendDlgItemMessageW(m_hWnd, IDC_WORLD_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.get()));
    }
    m_storedWorld = NormaliseWorld(m_storedWorld);
    SendDlgItemMessageW(m_hWnd, IDC_WORLD_LIST, CB_SETCURSEL, static_cast<WPARAM>(m_storedWorld), 0);
}
