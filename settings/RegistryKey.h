#pragma once

#include <windows.h>

// Owns an open registry key and closes it when it goes out of scope.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey()
    {
        if (IsOpen()) RegCloseKey(m_hKey);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // The address the opening call writes the new handle to; only for a key not yet open.
    HKEY* Receive() { return &m_hKey; }
    HKEY Get() const { return m_hKey; }

    // The system reports some failed opens only by a null or all-ones handle.
    bool IsOpen() const { return m_hKey != nullptr && m_hKey != reinterpret_cast<HKEY>(INVALID_HANDLE_VALUE); }

private:
    HKEY m_hKey = nullptr;
};
