#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

// Gives each test a registry without the program's key and removes whatever the test left, so
// runs do not depend on one another. The paths are spelled out here on purpose rather than
// taken from the code under test, so that a wrong path in the code shows up.
class RegistryFixture : public ::testing::Test {
protected:
    static constexpr const wchar_t* VendorKey = L"SOFTWARE\\Zantrel";
    static constexpr const wchar_t* ProgramKey = L"SOFTWARE\\Zantrel\\Cascadium";

    void SetUp() override { RemoveKey(); }
    void TearDown() override { RemoveKey(); }

    static void RemoveKey() { RegDeleteTreeW(HKEY_CURRENT_USER, VendorKey); }

    static bool KeyExists()
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, ProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }

    // Stores "World" with any type and raw bytes, the way another program might have.
    static void StoreRaw(DWORD type, const void* bytes, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, ProgramKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExW(key, L"World", 0, type, static_cast<const BYTE*>(bytes), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static void StoreDword(std::int32_t value)
    {
        const DWORD raw = static_cast<DWORD>(value);
        StoreRaw(REG_DWORD, &raw, sizeof raw);
    }

    struct RawValue {
        DWORD type;
        std::vector<BYTE> bytes;
    };

    static std::optional<RawValue> LoadRaw()
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, ProgramKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
        RawValue value{0, std::vector<BYTE>(64)};
        DWORD size = static_cast<DWORD>(value.bytes.size());
        const LSTATUS status = RegQueryValueExW(key, L"World", nullptr, &value.type, value.bytes.data(), &size);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS) return std::nullopt;
        value.bytes.resize(size);
        return value;
    }

    // The stored value when it is a 4-byte DWORD; fails the test otherwise.
    static std::optional<std::int32_t> LoadDword()
    {
        const auto raw = LoadRaw();
        if (!raw) return std::nullopt;
        EXPECT_EQ(raw->type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(raw->bytes.size(), 4u);
        if (raw->type != REG_DWORD || raw->bytes.size() != 4) return std::nullopt;
        std::int32_t value = 0;
        memcpy(&value, raw->bytes.data(), sizeof value);
        return value;
    }
};
