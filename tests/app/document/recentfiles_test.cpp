#include "app/core/document/recentfiles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "memorystore.h"

namespace {

std::vector<std::string> Paths(const CRecentFiles& files) {
    std::vector<std::string> paths;
    for (size_t i = 0; i < files.Count(); ++i) paths.push_back(files.Path(i));
    return paths;
}

}  // namespace

TEST(RecentFiles, NewestFirstAtMostFourNoRepeats) {
    CRecentFiles files;
    for (const char* path : {"/a.pgn", "/b.pgn", "/c.pgn", "/d.pgn", "/e.pgn"}) files.Add(path);
    EXPECT_EQ(Paths(files), (std::vector<std::string>{"/e.pgn", "/d.pgn", "/c.pgn", "/b.pgn"}));
    files.Add("/c.pgn");
    EXPECT_EQ(Paths(files), (std::vector<std::string>{"/c.pgn", "/e.pgn", "/d.pgn", "/b.pgn"}));
    files.Remove(1);
    files.Remove(7);  // no such entry
    EXPECT_EQ(Paths(files), (std::vector<std::string>{"/c.pgn", "/d.pgn", "/b.pgn"}));
    files.Add("");
    EXPECT_EQ(files.Count(), 3u);
    EXPECT_EQ(files.MenuText(2), "&3 /b.pgn");
}

TEST(RecentFiles, SavedAsFileOneToFourAndLoadedInTheSameOrder) {
    MemoryStore store;
    store.sections["Recent File List"]["File9"] = "/old.pgn";
    CRecentFiles files;
    for (const char* path : {"/a.pgn", "/b.pgn", "/c.pgn"}) files.Add(path);
    files.Save(store);
    EXPECT_EQ(store.sections["Recent File List"], (std::map<std::string, std::string>{
                                                      {"File1", "/c.pgn"}, {"File2", "/b.pgn"}, {"File3", "/a.pgn"}}));

    CRecentFiles loaded;
    loaded.Add("/gone.pgn");
    loaded.Load(store);
    EXPECT_EQ(Paths(loaded), Paths(files));
}

TEST(RecentFiles, LoadSkipsEmptyAndRepeatedEntries) {
    MemoryStore store;
    auto& section = store.sections["Recent File List"];
    section = {{"File1", "/a.pgn"}, {"File2", ""}, {"File3", "/a.pgn"}, {"File4", "/b.pgn"}};
    CRecentFiles files;
    files.Load(store);
    EXPECT_EQ(Paths(files), (std::vector<std::string>{"/a.pgn", "/b.pgn"}));
}

TEST(RecentFiles, TellsEveryChangeThroughTheProgramButNotTheLoad) {
    MemoryStore store;
    store.sections["Recent File List"]["File1"] = "/a.pgn";
    CRecentFiles files;
    int changes = 0;
    files.SetChangeHandler([&] { ++changes; });
    files.Load(store);
    EXPECT_EQ(changes, 0);
    files.Add("/b.pgn");
    files.Add("/b.pgn");
    EXPECT_EQ(changes, 2);
    files.Remove(std::string("/a.pgn"));
    EXPECT_EQ(Paths(files), (std::vector<std::string>{"/b.pgn"}));
    files.Remove(std::string("/not-listed.pgn"));
    EXPECT_EQ(Paths(files), (std::vector<std::string>{"/b.pgn"}));
    files.Remove(size_t{0});
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(files.Count(), 0u);
}
