#include "tests/win/settings/RegistryFixture.h"

#include <functional>
#include <string>
#include <vector>

#include "scene/WorldTable.h"
#include "settings/WorldSetting.h"
#include "ui/SettingsDialog.h"

namespace {

constexpr int WorldList = 118;
constexpr UINT RunScript = WM_APP + 1;
constexpr UINT_PTR WatchdogTimer = 1;

using Step = std::function<void(HWND)>;

// The stored world the dialogs of these tests show and replace, as the process's own would be.
std::int32_t StoredWorld = -1;

// A fourth world whose name sorts before the others: every real world's entry moves down a place.
constexpr wchar_t FourthWorldName[] = L"Aquarium";

// The settings dialog with a test script that runs inside its modal loop once the dialog is
// up, one step per posted message, so a step runs only while the dialog is still going. A
// watchdog ends a dialog that the script failed to close, so a fault cannot hang the run.
class ScriptedSettings : public CSettings {
public:
    explicit ScriptedSettings(Step step, HWND owner = nullptr) : CSettings(owner, StoredWorld), m_steps{std::move(step)}
    {}
    explicit ScriptedSettings(std::vector<Step> steps) : CSettings(nullptr, StoredWorld), m_steps(std::move(steps)) {}

    INT_PTR HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == RunScript) {
            if (m_stepsRun < m_steps.size()) {
                m_steps[m_stepsRun++](hwnd);
                PostMessageW(hwnd, RunScript, 0, 0);
            }
            return 1;
        }
        if (message == WM_INITDIALOG && m_withFourthWorld) {
            const LRESULT entry =
                SendDlgItemMessageW(hwnd, WorldList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FourthWorldName));
            SendDlgItemMessageW(hwnd, WorldList, CB_SETITEMDATA, static_cast<WPARAM>(entry),
                                static_cast<LPARAM>(WorldCount));
        }
        if (message == WM_TIMER && wParam == WatchdogTimer) {
            m_timedOut = true;
            EndDialog(hwnd, 0);
            return 1;
        }
        const INT_PTR result = CSettings::HandleMessage(hwnd, message, wParam, lParam);
        if (message == WM_INITDIALOG) {
            m_initialised = true;
            m_initResult = result;
            SetTimer(hwnd, WatchdogTimer, 5000, nullptr);
            PostMessageW(hwnd, RunScript, 0, 0);
        }
        return result;
    }

    bool m_withFourthWorld = false;
    bool m_initialised = false;
    INT_PTR m_initResult = 0;
    bool m_timedOut = false;
    std::size_t m_stepsRun = 0;

private:
    std::vector<Step> m_steps;
};

LRESULT Selection(HWND dialog)
{
    return SendDlgItemMessageW(dialog, WorldList, CB_GETCURSEL, 0, 0);
}

std::wstring EntryText(HWND dialog, int index)
{
    wchar_t text[64] = {};
    SendDlgItemMessageW(dialog, WorldList, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring NameOf(WorldKind world)
{
    const std::string name = DisplayNameOf(world);
    return std::wstring(name.begin(), name.end());
}

class SettingsDialogTest : public RegistryFixture {
protected:
    // Starts the dialog the way a fresh process would: the stored world comes from the registry.
    void Run(ScriptedSettings& dialog)
    {
        StoredWorld = ReadWorldSetting();
        EXPECT_TRUE(dialog.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
        EXPECT_TRUE(dialog.m_initialised);
        EXPECT_FALSE(dialog.m_timedOut) << "the dialog did not close";
    }

    // Opens the dialog, notes what it shows, and cancels it.
    LRESULT SelectionShownFor(std::function<void()> prepare)
    {
        RemoveKey();
        prepare();
        LRESULT shown = CB_ERR;
        ScriptedSettings dialog([&](HWND hwnd) {
            shown = Selection(hwnd);
            SendMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
        });
        Run(dialog);
        return shown;
    }
};

TEST_F(SettingsDialogTest, ListsTheThreeWorldsInWorldOrder)
{
    int count = 0;
    std::wstring names[3];
    HWND focus = nullptr;
    HWND ok = nullptr;
    ScriptedSettings dialog([&](HWND hwnd) {
        count = static_cast<int>(SendDlgItemMessageW(hwnd, WorldList, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < 3; ++i) names[i] = EntryText(hwnd, i);
        focus = GetFocus();
        ok = GetDlgItem(hwnd, IDOK);
        SendMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
    });
    Run(dialog);
    EXPECT_EQ(dialog.m_initResult, 1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(names[0], L"Cascadium");
    EXPECT_EQ(names[1], L"Newton's Cradle");
    EXPECT_EQ(names[2], L"Pachinko Machine");
    EXPECT_EQ(focus, ok) << "the OK button should have the focus";
}

TEST_F(SettingsDialogTest, SelectsTheNormalisedStoredWorld)
{
    EXPECT_EQ(SelectionShownFor([] {}), 0) << "no key";
    EXPECT_EQ(SelectionShownFor([] { StoreDword(1); }), 1);
    EXPECT_EQ(SelectionShownFor([] { StoreDword(2); }), 2);
    EXPECT_EQ(SelectionShownFor([] { StoreDword(9); }), 2);
    EXPECT_EQ(SelectionShownFor([] { StoreDword(-5); }), 2);
    EXPECT_EQ(SelectionShownFor([] { StoreDword(-1); }), 0);
    EXPECT_EQ(SelectionShownFor([] {
                  const wchar_t text[] = L"2";
                  StoreRaw(REG_SZ, text, sizeof text);
              }),
              0)
        << "a string value is ignored";
}

TEST_F(SettingsDialogTest, OkWithoutAKeyCreatesItAndStoresTheFirstWorld)
{
    ScriptedSettings dialog([](HWND hwnd) { SendMessageW(hwnd, WM_COMMAND, IDOK, 0); });
    Run(dialog);
    EXPECT_EQ(LoadDword(), 0);
}

TEST_F(SettingsDialogTest, OkStoresTheChosenWorld)
{
    StoreDword(2);
    ScriptedSettings dialog([](HWND hwnd) {
        SendDlgItemMessageW(hwnd, WorldList, CB_SETCURSEL, 1, 0);
        SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
    });
    Run(dialog);
    EXPECT_EQ(LoadDword(), 1);
    EXPECT_EQ(StoredWorld, 1);
    EXPECT_EQ(ReadWorldSetting(), 1);
}

// Each world stored in turn, then the next one chosen by its name.
TEST_F(SettingsDialogTest, ShowsAndStoresTheWorldOfAnEntryWhereverItSorts)
{
    for (WorldKind world : EveryWorld) {
        const WorldKind next = EveryWorld[(static_cast<std::size_t>(world) + 1) % WorldCount];
        StoreDword(static_cast<std::int32_t>(world));
        std::wstring shown;
        ScriptedSettings dialog([&](HWND hwnd) {
            shown = EntryText(hwnd, static_cast<int>(Selection(hwnd)));
            const LRESULT entry = SendDlgItemMessageW(hwnd, WorldList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>(NameOf(next).c_str()));
            SendDlgItemMessageW(hwnd, WorldList, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
            SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
        });
        dialog.m_withFourthWorld = true;
        Run(dialog);
        EXPECT_EQ(shown, NameOf(world));
        EXPECT_EQ(LoadDword(), static_cast<std::int32_t>(next)) << "chose " << DisplayNameOf(next);
    }
}

TEST_F(SettingsDialogTest, OkRewritesAnOutOfRangeValueAsItsNormalisedWorld)
{
    StoreDword(9);
    ScriptedSettings dialog([](HWND hwnd) { SendMessageW(hwnd, WM_COMMAND, IDOK, 0); });
    Run(dialog);
    EXPECT_EQ(LoadDword(), 2);
}

TEST_F(SettingsDialogTest, CancelAfterAChangeLeavesTheRegistryAlone)
{
    StoreDword(2);
    ScriptedSettings dialog([](HWND hwnd) {
        SendDlgItemMessageW(hwnd, WorldList, CB_SETCURSEL, 0, 0);
        SendMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
    });
    Run(dialog);
    EXPECT_EQ(LoadDword(), 2);
}

TEST_F(SettingsDialogTest, CancelWithoutAKeyCreatesNone)
{
    ScriptedSettings dialog([](HWND hwnd) { SendMessageW(hwnd, WM_COMMAND, IDCANCEL, 0); });
    Run(dialog);
    EXPECT_FALSE(KeyExists());
}

TEST_F(SettingsDialogTest, ListNotificationsNeitherStoreNorClose)
{
    ScriptedSettings dialog(std::vector<Step>{
        [](HWND hwnd) {
            SendDlgItemMessageW(hwnd, WorldList, CB_SETCURSEL, 1, 0);
            SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(WorldList, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(hwnd, WorldList)));
            SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(WorldList, CBN_CLOSEUP),
                         reinterpret_cast<LPARAM>(GetDlgItem(hwnd, WorldList)));
        },
        [](HWND hwnd) { SendMessageW(hwnd, WM_COMMAND, IDCANCEL, 0); },
    });
    Run(dialog);
    EXPECT_EQ(dialog.m_stepsRun, 2u) << "the dialog closed on a list notification";
    EXPECT_FALSE(KeyExists());
}

// Enter anywhere in the dialog presses the default button; Escape cancels.
TEST_F(SettingsDialogTest, EnterOnTheListStoresAndEscapeCancels)
{
    StoreDword(0);
    ScriptedSettings enter([](HWND hwnd) {
        HWND list = GetDlgItem(hwnd, WorldList);
        SendMessageW(list, CB_SETCURSEL, 2, 0);
        SetFocus(list);
        PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    });
    Run(enter);
    EXPECT_EQ(LoadDword(), 2);

    ScriptedSettings escape([](HWND hwnd) {
        SendDlgItemMessageW(hwnd, WorldList, CB_SETCURSEL, 1, 0);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    Run(escape);
    EXPECT_EQ(LoadDword(), 2);
}

TEST_F(SettingsDialogTest, AnOwnerThatIsNoWindowStillReportsSuccess)
{
    const HWND bogus = reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7FFF0001));
    ScriptedSettings dialog([](HWND hwnd) { SendMessageW(hwnd, WM_COMMAND, IDCANCEL, 0); }, bogus);
    StoredWorld = ReadWorldSetting();
    EXPECT_TRUE(dialog.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    EXPECT_FALSE(dialog.m_initialised) << "no dialog may appear for a bogus owner";
    EXPECT_FALSE(KeyExists());
}

}  // namespace
