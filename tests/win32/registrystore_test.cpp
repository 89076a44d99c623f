#include "app/win32/registrystore.h"

#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/document/recentfiles.h"

namespace {

// A key of the tests' own, gone before and after.
constexpr const char* kStoreKey = "Software\\Halvorn IT\\torvo-test";

class RegistryStoreTest : public testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() {
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halvorn IT\\torvo-test\\Recent File List");
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halvorn IT\\torvo-test\\Settings");
        RegDeleteKeyA(HKEY_CURRENT_USER, kStoreKey);
    }

    CRegistryStore store{kStoreKey};
};

}  // namespace

TEST(RegistryStore, TheProgramsKeyIsVendorThenProgram) {
    EXPECT_EQ(CRegistryStore::DefaultKey(), "Software\\Halvorn IT\\torvo");
}

TEST_F(RegistryStoreTest, TheRecentFileListGoesUnderItsOwnKey) {
    CRecentFiles files;
    for (const char* path : {"C:\\a.pgn", "C:\\b.pgn", "C:\\c.pgn", "C:\\d.pgn", "C:\\e.pgn"}) files.Add(path);
    files.Save(store);
    std::string value;
    ASSERT_TRUE(store.ReadText("Recent File List", "File1", &value));
    EXPECT_EQ(value, "C:\\e.pgn");
    EXPECT_FALSE(store.ReadText("Recent File List", "File5", &value));

    files.Remove(0);
    files.Save(store);
    EXPECT_FALSE(store.ReadText("Recent File List", "File4", &value)) << "the old fourth entry stayed";
    CRecentFiles loaded;
    loaded.Load(store);
    ASSERT_EQ(loaded.Count(), 3u);
    EXPECT_EQ(loaded.Path(0), "C:\\d.pgn");
}
