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
            m_storedWorld = ChosenWorld();
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

// The list sorts its entries by name, so a position says nothing about the world: each entry
// carries its world's number as its item data.
void CSettings::InitWorldList()
{
    const HWND list = GetDlgItem(m_hWnd, IDC_WORLD_LIST);
    for (WorldKind world : EveryWorld) {
        const auto name = LoadResString(IDS_WORLD_NAME_FIRST + static_cast<UINT>(world), m_hInstance);
        if (!name) continue;
        const LRESULT entry = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.get()));
        if (entry >= 0) SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(entry), static_cast<LPARAM>(world));
    }
    m_storedWorld = NormaliseWorld(m_storedWorld);
    // Selected once every entry is in: an entry sorted in later would move the ones after it.
    const LRESULT entries = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT entry = 0; entry < entries; ++entry) {
        if (SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0) == m_storedWorld)
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    }
}

std::int32_t CSettings::ChosenWorld() const
{
    const LRESULT entry = SendDlgItemMessageW(m_hWnd, IDC_WORLD_LIST, CB_GETCURSEL, 0, 0);
    if (entry == CB_ERR) return m_storedWorld;
    return static_cast<std::int32_t>(
        SendDlgItemMessageW(m_hWnd, IDC_WORLD_LIST, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0));
}
