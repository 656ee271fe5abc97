#include "tests/win/settings/RegistryFixture.h"

#include <cstdint>

#include "scene/NormaliseWorld.h"
#include "settings/WorldSetting.h"

namespace {

using WorldSettingTest = RegistryFixture;

TEST_F(WorldSettingTest, NoKeyReadsAsNothingStoredAndStartsTheFirstWorld)
{
    EXPECT_EQ(ReadWorldSetting(), -1);
    EXPECT_EQ(NormaliseWorld(ReadWorldSetting()), 0);
    EXPECT_FALSE(KeyExists()) << "reading must not create the key";
}

TEST_F(WorldSettingTest, KeyWithoutValueReadsAsNothingStored)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, ProgramKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(ReadWorldSetting(), -1);
}

TEST_F(WorldSettingTest, StoredDwordsAreReadBackAndNormalised)
{
    struct Case {
        std::int32_t stored;
        std::int32_t world;
    };
    for (const Case c :
         {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 2}, Case{7, 2}, Case{9, 2}, Case{-5, 2}, Case{-1, 0}}) {
        StoreDword(c.stored);
        EXPECT_EQ(ReadWorldSetting(), c.stored) << c.stored;
        EXPECT_EQ(NormaliseWorld(ReadWorldSetting()), c.world) << c.stored;
    }
}

TEST_F(WorldSettingTest, ValuesOfAnotherTypeOrSizeAreIgnored)
{
    const wchar_t text[] = L"1";
    StoreRaw(REG_SZ, text, sizeof text);
    EXPECT_EQ(ReadWorldSetting(), -1) << "string";

    const unsigned long long wide = 1;
    StoreRaw(REG_QWORD, &wide, sizeof wide);
    EXPECT_EQ(ReadWorldSetting(), -1) << "8-byte QWORD";

    StoreRaw(REG_BINARY, &wide, sizeof wide);
    EXPECT_EQ(ReadWorldSetting(), -1) << "8-byte binary";

    const DWORD one = 1;
    StoreRaw(REG_BINARY, &one, sizeof one);
    EXPECT_EQ(ReadWorldSetting(), -1) << "4-byte binary";

    StoreRaw(REG_DWORD, &wide, sizeof wide);
    EXPECT_EQ(ReadWorldSetting(), -1) << "DWORD type with 8 bytes";

    const WORD half = 1;
    StoreRaw(REG_DWORD, &half, sizeof half);
    EXPECT_EQ(ReadWorldSetting(), -1) << "DWORD type with 2 bytes";

    StoreRaw(REG_DWORD_BIG_ENDIAN, &one, sizeof one);
    EXPECT_EQ(ReadWorldSetting(), -1) << "big-endian DWORD";
}

TEST_F(WorldSettingTest, WritingCreatesTheKeyAndStoresADword)
{
    WriteWorldSetting(1);
    EXPECT_TRUE(KeyExists());
    EXPECT_EQ(LoadDword(), 1);
    EXPECT_EQ(ReadWorldSetting(), 1);
}

TEST_F(WorldSettingTest, WritingReplacesAValueOfAnotherType)
{
    const wchar_t text[] = L"Pachinko";
    StoreRaw(REG_SZ, text, sizeof text);
    WriteWorldSetting(2);
    EXPECT_EQ(LoadDword(), 2);
    WriteWorldSetting(-7);
    EXPECT_EQ(LoadDword(), -7);
}

}  // namespace
