#include "app/win32/kit/registrykey.h"

#include <gtest/gtest.h>

namespace {

// A key of the tests' own, gone before and after.
constexpr const wchar_t* kKitKey = L"Software\\Halvorn IT\\kit-test";
constexpr const wchar_t* kSubKey = L"Software\\Halvorn IT\\kit-test\\Section";

class RegistryKeyTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kKitKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kKitKey); }
};

}  // namespace

TEST_F(RegistryKeyTest, AMissingKeyReadsNothingUntilCreated) {
    std::wstring text = L"unchanged";
    DWORD number = 7;
    {
        const CRegistryKey key(kSubKey, CRegistryKey::Mode::kRead);
        EXPECT_FALSE(key.IsOpen());
        EXPECT_FALSE(key.ReadText(nullptr, &text));
        EXPECT_FALSE(key.ReadNumber(L"Count", &number));
    }
    EXPECT_EQ(text, L"unchanged");
    EXPECT_EQ(number, 7u);
    {
        CRegistryKey key(kSubKey, CRegistryKey::Mode::kCreate);
        ASSERT_TRUE(key.IsOpen());
        EXPECT_TRUE(key.WriteText(nullptr, L"default"));
        EXPECT_TRUE(key.WriteText(L"Name", L"M\u00FCller"));
        EXPECT_TRUE(key.WriteNumber(L"Count", 0xFFFFFFFB));
    }
    const CRegistryKey key(kSubKey, CRegistryKey::Mode::kRead);
    ASSERT_TRUE(key.ReadText(nullptr, &text));
    EXPECT_EQ(text, L"default");
    ASSERT_TRUE(key.ReadText(L"Name", &text));
    EXPECT_EQ(text, L"M\u00FCller");
    ASSERT_TRUE(key.ReadNumber(L"Count", &number));
    EXPECT_EQ(number, 0xFFFFFFFBu);
    // A number is no text and a text no number.
    EXPECT_FALSE(key.ReadText(L"Count", &text));
    EXPECT_FALSE(key.ReadNumber(L"Name", &number));
}

TEST_F(RegistryKeyTest, ATextSaysWhetherItIsExpandable) {
    const std::wstring path = L"%USERPROFILE%\\Spiele";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSubKey, L"Folder", REG_EXPAND_SZ, path.c_str(),
                              static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    CRegistryKey key(kSubKey, CRegistryKey::Mode::kCreate);
    ASSERT_TRUE(key.WriteText(L"Plain", path));
    std::wstring text;
    DWORD type = 0;
    ASSERT_TRUE(key.ReadText(L"Folder", &text, &type));
    EXPECT_EQ(text, path) << "read as stored, not expanded";
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    ASSERT_TRUE(key.ReadText(L"Plain", &text, &type));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistryKeyTest, DeleteTakesAKeyWithoutKeysBelowIt) {
    { CRegistryKey key(kSubKey, CRegistryKey::Mode::kCreate); }
    EXPECT_FALSE(CRegistryKey::Delete(kKitKey)) << "a key with a key below it stays";
    EXPECT_TRUE(CRegistryKey::Delete(kSubKey));
    EXPECT_FALSE(CRegistryKey(kSubKey, CRegistryKey::Mode::kRead).IsOpen());
    EXPECT_TRUE(CRegistryKey(kKitKey, CRegistryKey::Mode::kRead).IsOpen());
}
