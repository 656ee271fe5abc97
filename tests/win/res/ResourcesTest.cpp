#include <windows.h>

#include "res/ResourceIds.h"
#include "scene/WorldTable.h"
#include "ui/WorldMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

HINSTANCE Self()
{
    return GetModuleHandleW(nullptr);
}

// The raw bytes of a resource of this executable, in US English.
std::vector<BYTE> ResourceBytes(LPCWSTR type, LPCWSTR name)
{
    const HRSRC found = FindResourceExW(Self(), type, name, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!found) return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(Self(), found)));
    return std::vector<BYTE>(data, data + SizeofResource(Self(), found));
}

std::wstring MenuText(HMENU menu, UINT position)
{
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

// Each world's item sits at its number and carries the command that picks it (ui/WorldMenu.h);
// less its access key's &, its text is the world's name in the table and in string 200 + its
// number.
TEST(ResourcesTest, TheMenuHasFileExitAndEachWorldUnderItsName)
{
    const HMENU menu = LoadMenuW(Self(), MAKEINTRESOURCEW(103));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(MenuText(menu, 0), L"&File");
    EXPECT_EQ(MenuText(menu, 1), L"&World");

    const HMENU file = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(file), 1);
    EXPECT_EQ(GetMenuItemID(file, 0), 104u);
    EXPECT_EQ(MenuText(file, 0), L"E&xit");

    const HMENU world = GetSubMenu(menu, 1);
    const struct {
        UINT id;
        const wchar_t* text;
    } items[] = {{114, L"&Cascadium"}, {113, L"&Newton's Cradle"}, {116, L"&Pachinko Machine"}};
    static_assert(std::size(items) == WorldCount, "a row per world");
    ASSERT_EQ(GetMenuItemCount(world), static_cast<int>(WorldCount));
    for (const WorldRow& row : WorldTable) {
        const auto i = static_cast<UINT>(row.kind);
        EXPECT_EQ(GetMenuItemID(world, static_cast<int>(i)), items[i].id);
        EXPECT_EQ(static_cast<UINT>(MenuItemOf(row.kind)), items[i].id);
        EXPECT_EQ(MenuText(world, i), items[i].text);
        std::wstring name = items[i].text;
        name.erase(std::remove(name.begin(), name.end(), L'&'), name.end());
        EXPECT_EQ(name, std::wstring(row.displayName, row.displayName + std::strlen(row.displayName)));
        wchar_t string[64] = {};
        LoadStringW(Self(), IDS_WORLD_NAME_FIRST + i, string, 64);
        EXPECT_EQ(string, name) << row.shortName;
    }
    DestroyMenu(menu);
}

// Reads an extended dialog template field by field.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<BYTE>& bytes) : m_bytes(bytes) {}

    WORD Word() { return Read<WORD>(); }
    DWORD Dword() { return Read<DWORD>(); }
    short Short() { return static_cast<short>(Read<WORD>()); }
    // A string or an ordinal (0xFFFF followed by the number, given as "#number").
    std::wstring Text()
    {
        const WORD first = Word();
        if (first == 0xFFFF) return L"#" + std::to_wstring(Word());
        std::wstring text;
        for (WORD c = first; c != 0; c = Word()) text += static_cast<wchar_t>(c);
        return text;
    }
    void AlignToDword() { m_offset = (m_offset + 3) & ~size_t{3}; }

private:
    template <typename T>
    T Read()
    {
        T value{};
        if (m_offset + sizeof(T) <= m_bytes.size()) std::memcpy(&value, &m_bytes[m_offset], sizeof(T));
        m_offset += sizeof(T);
        return value;
    }

    const std::vector<BYTE>& m_bytes;
    size_t m_offset = 0;
};

TEST(ResourcesTest, TheSettingsDialogTemplateIsExact)
{
    const std::vector<BYTE> bytes = ResourceBytes(RT_DIALOG, MAKEINTRESOURCEW(117));
    ASSERT_FALSE(bytes.empty());
    TemplateReader t(bytes);
    EXPECT_EQ(t.Word(), 1);       // version
    EXPECT_EQ(t.Word(), 0xFFFF);  // signature
    EXPECT_EQ(t.Dword(), 0u);     // help id
    EXPECT_EQ(t.Dword(), 0u);     // extended style
    EXPECT_EQ(t.Dword(), 0x80C800C8u);
    ASSERT_EQ(t.Word(), 4);
    EXPECT_EQ(t.Short(), 15);
    EXPECT_EQ(t.Short(), 15);
    EXPECT_EQ(t.Short(), 128);
    EXPECT_EQ(t.Short(), 58);
    EXPECT_EQ(t.Text(), L"");  // menu
    EXPECT_EQ(t.Text(), L"");  // standard dialog class
    EXPECT_EQ(t.Text(), L"Settings");
    EXPECT_EQ(t.Word(), 8);
    EXPECT_EQ(t.Word(), 400);
    const WORD italicAndCharset = t.Word();
    EXPECT_EQ(italicAndCharset & 0xFF, 0);  // not italic
    EXPECT_EQ(italicAndCharset >> 8, 1);    // DEFAULT_CHARSET
    EXPECT_EQ(t.Text(), L"MS Shell Dlg");

    // Standard control classes are stored as ordinals: 0x80 button, 0x82 static, 0x85 combo box.
    const struct {
        DWORD id;
        const wchar_t* windowClass;
        const wchar_t* text;
        DWORD style;
        short x, y, width, height;
    } controls[] = {
        {1, L"#128", L"OK", 0x50010001, 17, 38, 50, 14},
        {2, L"#128", L"Cancel", 0x50010000, 71, 38, 50, 14},
        {118, L"#133", L"", 0x50210103, 7, 19, 106, 72},
        {0xFFFFFFFF, L"#130", L"Select the world:", 0x50020000, 7, 7, 80, 8},
    };
    for (const auto& c : controls) {
        t.AlignToDword();
        EXPECT_EQ(t.Dword(), 0u) << c.id;  // help id
        EXPECT_EQ(t.Dword(), 0u) << c.id;  // extended style
        EXPECT_EQ(t.Dword(), c.style) << c.id;
        EXPECT_EQ(t.Short(), c.x) << c.id;
        EXPECT_EQ(t.Short(), c.y) << c.id;
        EXPECT_EQ(t.Short(), c.width) << c.id;
        EXPECT_EQ(t.Short(), c.height) << c.id;
        EXPECT_EQ(t.Dword(), c.id);
        EXPECT_EQ(t.Text(), c.windowClass) << c.id;
        EXPECT_EQ(t.Text(), c.text) << c.id;
        EXPECT_EQ(t.Word(), 0) << c.id;  // no creation data
    }
}

TEST(ResourcesTest, TheIconGroupCarriesSevenSizes)
{
    const std::vector<BYTE> bytes = ResourceBytes(RT_GROUP_ICON, MAKEINTRESOURCEW(102));
    ASSERT_GE(bytes.size(), 6u);
    TemplateReader t(bytes);
    EXPECT_EQ(t.Word(), 0);
    EXPECT_EQ(t.Word(), 1);
    ASSERT_EQ(t.Word(), 7);
    std::vector<int> sizes;
    for (int i = 0; i < 7; ++i) {
        const WORD widthAndHeight = t.Word();
        EXPECT_EQ(widthAndHeight & 0xFF, widthAndHeight >> 8);
        sizes.push_back(widthAndHeight & 0xFF);
        t.Word();  // colours, reserved
        t.Word();  // planes
        EXPECT_EQ(t.Word(), 32);
        t.Dword();  // bytes
        t.Word();   // image id
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 22, 24, 32, 44, 48, 64}));

    const HICON small = static_cast<HICON>(LoadImageW(Self(), MAKEINTRESOURCEW(102), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(small, nullptr);
    DestroyIcon(small);
}

TEST(ResourcesTest, TheManifestAsksForTheVersion6ControlsOfThisArchitecture)
{
    const std::vector<BYTE> bytes = ResourceBytes(RT_MANIFEST, MAKEINTRESOURCEW(1));
    const std::string manifest(bytes.begin(), bytes.end());
    EXPECT_NE(manifest.find(R"(level="asInvoker" uiAccess="false")"), std::string::npos);
    EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"), std::string::npos);
    EXPECT_NE(manifest.find(R"(language="*")"), std::string::npos);
    const char* arch = sizeof(void*) == 8 ? R"(processorArchitecture="amd64")" : R"(processorArchitecture="x86")";
    EXPECT_NE(manifest.find(arch), std::string::npos);
}

// Read back through the system, which finds each setting only under its own namespace; this
// program carries the same manifest as the product.
TEST(ResourcesTest, TheManifestDeclaresPerMonitorV2DpiAwarenessWithTheOlderFallback)
{
    const auto setting = [](const wchar_t* nameSpace, const wchar_t* name) {
        wchar_t value[64] = {};
        SIZE_T length = 0;
        QueryActCtxSettingsW(0, nullptr, nameSpace, name, value, 64, &length);
        return std::wstring(value);
    };
    EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
              L"PerMonitorV2, PerMonitor");
    EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true/pm");
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()), DPI_AWARENESS_PER_MONITOR_AWARE);
}

TEST(ResourcesTest, TheVersionBlockSays110)
{
    const std::vector<BYTE> bytes = ResourceBytes(RT_VERSION, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(bytes.empty());
    // The fixed part follows the block header and its key "VS_VERSION_INFO".
    const std::wstring key = L"VS_VERSION_INFO";
    const size_t fixedAt = (6 + (key.size() + 1) * 2 + 3) & ~size_t{3};
    VS_FIXEDFILEINFO fixed{};
    ASSERT_GE(bytes.size(), fixedAt + sizeof fixed);
    std::memcpy(&fixed, &bytes[fixedAt], sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010001u);
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));

    const std::wstring strings(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    for (const wchar_t* value : {L"FileVersion", L"ProductVersion", L"InternalName"})
        EXPECT_NE(strings.find(value), std::wstring::npos) << value;
    EXPECT_NE(strings.find(std::wstring(L"1.10\0", 5)), std::wstring::npos);
    EXPECT_NE(strings.find(std::wstring(L"Cascadium\0", 10)), std::wstring::npos);
}

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST(ResourcesTest, ThereAreNoAcceleratorsAndEverythingIsUsEnglish)
{
    int accelerators = 0;
    EnumResourceNamesW(Self(), RT_ACCELERATOR, CountName, reinterpret_cast<LONG_PTR>(&accelerators));
    EXPECT_EQ(accelerators, 0);

    // String blocks hold sixteen ids each: block 1 has id 1, block 7 ids 101 and 102, block 13 ids 200..202.
    const struct {
        LPCWSTR type;
        WORD name;
    } resources[] = {{RT_STRING, 1},   {RT_STRING, 7},       {RT_STRING, 13}, {RT_MENU, 103},
                     {RT_DIALOG, 117}, {RT_GROUP_ICON, 102}, {RT_VERSION, 1}, {RT_MANIFEST, 1}};
    for (const auto& r : resources) EXPECT_FALSE(ResourceBytes(r.type, MAKEINTRESOURCEW(r.name)).empty()) << r.name;
}

}  // namespace
