#include "app/win32/filetype.h"

#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

namespace {

// A key of the tests' own in place of Software\Classes, gone before and after.
constexpr const char* kClassesKey = "Software\\Halvorn IT\\torvo-test-classes";
constexpr const wchar_t* kTestKeyWide = L"Software\\Halvorn IT\\torvo-test-classes";
// Blanks and umlauts, as in C:\Users\Jörg Müller\...
const std::wstring kExe = L"C:\\Users\\J\u00F6rg M\u00FCller\\AppData\\Local\\Programs\\Torvo\\torvo.exe";
const std::wstring kMovedExe = L"D:\\Spiele\\Torvo Schach\\torvo.exe";

class FileTypeTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKeyWide); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKeyWide); }

    // The default value of a key below the test key; "<missing>" without one.
    static std::wstring Value(const std::wstring& subKey) {
        const std::wstring path = std::wstring(kTestKeyWide) + L"\\" + subKey;
        DWORD size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
            ERROR_SUCCESS)
            return L"<missing>";
        std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
        RegGetValueW(HKEY_CURRENT_USER, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text.data(), &size);
        return text.data();
    }
    static void SetValue(const std::wstring& subKey, const std::wstring& value) {
        const std::wstring path = std::wstring(kTestKeyWide) + L"\\" + subKey;
        RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
};

}  // namespace

TEST(FileType, TheUsersOwnClassesKeyNeedsNoAdministrator) {
    EXPECT_EQ(CFileType::DefaultKey(), "Software\\Classes");
}

TEST(FileType, TheProgramPathIsThisExecutable) {
    const std::wstring path = CFileType::ProgramPath();
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), L".exe");
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileTypeTest, WritesTheExtensionTheTypeItsIconAndBothCommands) {
    EXPECT_FALSE(CFileType::IsRegistered(kExe, kClassesKey));
    EXPECT_EQ(CFileType::Register(kExe, kClassesKey), CFileType::Result::kWritten);
    EXPECT_TRUE(CFileType::IsRegistered(kExe, kClassesKey));

    EXPECT_EQ(Value(L".pgn"), L"Torvo.Document");
    EXPECT_EQ(Value(L"Torvo.Document"), L"SchachSpiel");
    EXPECT_EQ(Value(L"Torvo.Document\\DefaultIcon"), kExe + L",-129");
    EXPECT_EQ(Value(L"Torvo.Document\\shell\\open\\command"), L"\"" + kExe + L"\" \"%1\"");
    EXPECT_EQ(Value(L"Torvo.Document\\shell\\print\\command"), L"\"" + kExe + L"\" /p \"%1\"");
}

TEST_F(FileTypeTest, WritesOnlyWhatDiffers) {
    ASSERT_EQ(CFileType::Register(kExe, kClassesKey), CFileType::Result::kWritten);
    EXPECT_EQ(CFileType::Register(kExe, kClassesKey), CFileType::Result::kUnchanged);

    // Another program took .pgn over: the next start takes it back.
    SetValue(L".pgn", L"Other.Document");
    EXPECT_FALSE(CFileType::IsRegistered(kExe, kClassesKey));
    EXPECT_EQ(CFileType::Register(kExe, kClassesKey), CFileType::Result::kWritten);
    EXPECT_EQ(Value(L".pgn"), L"Torvo.Document");

    // A key removed by hand comes back.
    const std::wstring printKey = std::wstring(kTestKeyWide) + L"\\Torvo.Document\\shell\\print";
    ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, printKey.c_str()), ERROR_SUCCESS);
    EXPECT_EQ(CFileType::Register(kExe, kClassesKey), CFileType::Result::kWritten);
    EXPECT_EQ(Value(L"Torvo.Document\\shell\\print\\command"), L"\"" + kExe + L"\" /p \"%1\"");
    EXPECT_EQ(CFileType::Register(kExe, kClassesKey), CFileType::Result::kUnchanged);
}

TEST_F(FileTypeTest, AMovedProgramIsWrittenAgain) {
    ASSERT_EQ(CFileType::Register(kExe, kClassesKey), CFileType::Result::kWritten);
    EXPECT_FALSE(CFileType::IsRegistered(kMovedExe, kClassesKey));
    EXPECT_EQ(CFileType::Register(kMovedExe, kClassesKey), CFileType::Result::kWritten);
    EXPECT_TRUE(CFileType::IsRegistered(kMovedExe, kClassesKey));
    EXPECT_FALSE(CFileType::IsRegistered(kExe, kClassesKey));
    EXPECT_EQ(Value(L"Torvo.Document\\DefaultIcon"), kMovedExe + L",-129");
    EXPECT_EQ(Value(L"Torvo.Document\\shell\\open\\command"), L"\"" + kMovedExe + L"\" \"%1\"");
    EXPECT_EQ(Value(L"Torvo.Document\\shell\\print\\command"), L"\"" + kMovedExe + L"\" /p \"%1\"");
}

TEST_F(FileTypeTest, AKeyThatCannotBeWrittenFails) {
    // Below a volatile key the registry refuses every lasting key.
    HKEY root = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKeyWide, 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr,
                              &root, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(root);
    EXPECT_EQ(CFileType::Register(kExe, kClassesKey), CFileType::Result::kFailed);
    EXPECT_FALSE(CFileType::IsRegistered(kExe, kClassesKey));
}
