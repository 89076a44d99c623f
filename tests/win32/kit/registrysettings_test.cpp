#include "app/win32/kit/registrysettings.h"

#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

// A key of the tests' own, gone before and after.
constexpr const char* kSettingsKey = "Software\\KitTest\\settings";

class RegistrySettingsTest : public testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\KitTest"); }

    CRegistrySettings store{kSettingsKey};
};

}  // namespace

TEST(RegistrySettings, TheUsersKeyIsSoftwareThenVendorThenApplication) {
    EXPECT_EQ(CRegistrySettings::UserKey("Maker", "tool"), "Software\\Maker\\tool");
}

TEST_F(RegistrySettingsTest, TextsAndNumbersComeBackAsWritten) {
    std::string text = "unchanged";
    long number = 99;
    EXPECT_FALSE(store.ReadText("Settings", "Missing", &text));
    EXPECT_FALSE(store.ReadNumber("Settings", "PreviewPages", &number));
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(number, 99);

    store.WriteNumber("Settings", "PreviewPages", 2);
    store.WriteNumber("Settings", "Negative", -5);
    // Umlauts survive the registry's wide strings.
    store.WriteText("Settings", "Folder", "C:\\Schach Partien \xC3\xA4\\\xC3\x9C" "bung.pgn");
    ASSERT_TRUE(store.ReadNumber("Settings", "PreviewPages", &number));
    EXPECT_EQ(number, 2);
    ASSERT_TRUE(store.ReadNumber("Settings", "Negative", &number));
    EXPECT_EQ(number, -5);
    ASSERT_TRUE(store.ReadText("Settings", "Folder", &text));
    EXPECT_EQ(text, "C:\\Schach Partien \xC3\xA4\\\xC3\x9C" "bung.pgn");
    // A number is no text and a text no number.
    EXPECT_FALSE(store.ReadText("Settings", "PreviewPages", &text));
    EXPECT_FALSE(store.ReadNumber("Settings", "Folder", &number));
}

TEST_F(RegistrySettingsTest, ADeletedSectionReadsNothingAndOthersStay) {
    store.WriteText("List", "File1", "a");
    store.WriteNumber("Other", "Count", 3);
    store.DeleteSection("List");
    std::string text;
    long number = 0;
    EXPECT_FALSE(store.ReadText("List", "File1", &text));
    ASSERT_TRUE(store.ReadNumber("Other", "Count", &number));
    EXPECT_EQ(number, 3);
}
