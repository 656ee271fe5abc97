#include "ui/LoadResString.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadResStringTest, LoadsTheProgramsStrings)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const struct {
        UINT id;
        const wchar_t* text;
    } strings[] = {{1, L"Cascadium"},   {101, L"Cascadium"},       {102, L"CascadiumClass"},
                   {200, L"Cascadium"}, {201, L"Newton's Cradle"}, {202, L"Pachinko Machine"}};
    for (const auto& s : strings) {
        const auto text = LoadResString(s.id, instance);
        ASSERT_NE(text, nullptr) << s.id;
        EXPECT_STREQ(text.get(), s.text) << s.id;
    }
}

TEST(LoadResStringTest, AMissingStringGivesNullInsteadOfGrowingForever)
{
    EXPECT_EQ(LoadResString(9999, GetModuleHandleW(nullptr)), nullptr);
}

}  // namespace
