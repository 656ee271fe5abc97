#include "settings/WorldSetting.h"

#include <windows.h>

#include "settings/RegistryKey.h"

namespace {

constexpr wchar_t KeyPath[] = L"SOFTWARE\\Zantrel\\Cascadium";
constexpr wchar_t ValueName[] = L"World";

}  // namespace

std::int32_t ReadWorldSetting()
{
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS || !key.IsOpen())
        return -1;

    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LSTATUS status =
        RegQueryValueExW(key.Get(), ValueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return -1;
    return static_cast<std::int32_t>(value);
}

void WriteWorldSetting(std::int32_t world)
{
    RegistryKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                        key.Receive(), nullptr)
            != ERROR_SUCCESS
        || !key.IsOpen())
        return;

    const DWORD value = static_cast<DWORD>(world);
    RegSetValueExW(key.Get(), ValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}
