#include "app/core/document/appsettings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "memorystore.h"

TEST(AppSettings, LoadsTheRecentFilesAndThePreviewPagesMissingOnesKeepTheirDefaults) {
    MemoryStore store;
    CAppSettings settings;
    settings.Load(store);
    EXPECT_EQ(settings.RecentFiles().Count(), 0u);
    EXPECT_EQ(settings.PreviewPages(), 1);

    store.sections["Recent File List"] = {{"File1", "/b.pgn"}, {"File2", "/a.pgn"}};
    store.numbers["Settings"]["PreviewPages"] = 2;
    settings.Load(store);
    ASSERT_EQ(settings.RecentFiles().Count(), 2u);
    EXPECT_EQ(settings.RecentFiles().Path(0), "/b.pgn");
    EXPECT_EQ(settings.PreviewPages(), 2);
}

TEST(AppSettings, SavesBothInPlaceOfWhatWasStored) {
    MemoryStore store;
    store.sections["Recent File List"] = {{"File3", "/old.pgn"}};
    CAppSettings settings;
    settings.RecentFiles().Add("/a.pgn");
    settings.RecentFiles().Add("/b.pgn");
    settings.SetPreviewPages(2);
    settings.Save(store);
    EXPECT_EQ(store.sections["Recent File List"],
              (std::map<std::string, std::string>{{"File1", "/b.pgn"}, {"File2", "/a.pgn"}}));
    EXPECT_EQ(store.numbers["Settings"], (std::map<std::string, long>{{"PreviewPages", 2}}));
}
