// Which file the game belongs to: its title, the path "&Speichern" writes to
// or asks for, the recent files it joins, and the number that tells the view
// a new game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/core/document/gamedocument.h"
#include "app/core/document/recentfiles.h"
#include "app/tempfolder.h"
#include "fakedocumentplatform.h"
#include "game/game.h"
#include "game/gamefacade.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kGame = "1.e4 e5 2.Nf3 *\n";

class DocumentFileTest : public ::testing::Test {
public:
    // The test folder's file; the table's steps name theirs through it.
    std::string File(const char* name) const { return (m_folder / name).u8string(); }

protected:
    void SetUp() override {
        for (const char* name : {"partie.pgn", "other.pgn"}) std::ofstream(File(name), std::ios::binary) << kGame;
        document.UseRecentFiles(&recent);
    }
    std::vector<std::string> Recent() const {
        std::vector<std::string> paths;
        for (size_t i = 0; i < recent.Count(); ++i) paths.push_back(recent.Path(i));
        return paths;
    }
    int Ply() const { return document.GetFacade()->GetGame()->GetPly(); }

    FakePlatform platform;
    CRecentFiles recent;
    CGameDocument document{&platform};

private:
    TempFolder m_folder{"documentfile_"};
};

struct Step {
    const char* name;
    std::function<void(DocumentFileTest&, CGameDocument&, FakePlatform&)> run;
    const char* title;  // null: the opened file's, unchanged
    const char* file;   // null: the opened file; "" none
};

void PrintTo(const Step& step, std::ostream* out) { *out << step.name; }

class StepsAfterAnOpenedFile : public DocumentFileTest, public ::testing::WithParamInterface<Step> {};

// Starts from partie.pgn opened; after the step, the title is shown, and
// "&Speichern" writes to the game's file or asks for a name proposing its title.
TEST_P(StepsAfterAnOpenedFile, LeaveTheGameWithItsTitleAndFile) {
    const Step& step = GetParam();
    ASSERT_TRUE(document.OpenFile(File("partie.pgn")));
    platform.messages.clear();
    step.run(*this, document, platform);

    const std::string title = step.title ? step.title : "partie.pgn";
    const std::string file = step.file ? (*step.file ? File(step.file) : "") : File("partie.pgn");
    EXPECT_EQ(document.Title(), title);
    EXPECT_EQ(platform.title, title);
    EXPECT_EQ(document.Path(), file);

    platform.saveDialogs.clear();
    platform.chosenPath = File("asked.pgn");
    ASSERT_TRUE(document.Save());
    if (file.empty()) {
        EXPECT_EQ(platform.saveDialogs, (std::vector<SaveDialog>{{"", title}}));
        EXPECT_EQ(document.Path(), File("asked.pgn"));
    } else {
        EXPECT_TRUE(platform.saveDialogs.empty());
        EXPECT_FALSE(fs::exists(fs::u8path(File("asked.pgn"))));
    }
}

INSTANTIATE_TEST_SUITE_P(
    DocumentFile, StepsAfterAnOpenedFile,
    ::testing::Values(
        Step{"NewGame", [](DocumentFileTest&, CGameDocument& d, FakePlatform&) { d.OnNewDocument(); }, "NeuesSpiel", ""},
        Step{"NewGameRefusedByTheFramework",
             [](DocumentFileTest&, CGameDocument& d, FakePlatform& p) {
                 p.allowNew = false;
                 EXPECT_EQ(d.OnNewDocument(), 0);
                 p.allowNew = true;
             },
             nullptr, nullptr},
        Step{"Paste",
             [](DocumentFileTest&, CGameDocument& d, FakePlatform& p) {
                 p.clipboard = "1.d4 d5";
                 d.OnEditPaste();
             },
             "NeuesSpiel", ""},
        Step{"RefusedPaste",
             [](DocumentFileTest&, CGameDocument& d, FakePlatform& p) {
                 p.clipboard = "hello";
                 d.OnEditPaste();
             },
             nullptr, nullptr},
        Step{"OpenOfAMissingFile",
             [](DocumentFileTest& t, CGameDocument& d, FakePlatform&) { EXPECT_FALSE(d.OpenFile(t.File("gone.pgn"))); },
             "NeuesSpiel", ""},
        Step{"AnotherFileOpened",
             [](DocumentFileTest& t, CGameDocument& d, FakePlatform&) { EXPECT_TRUE(d.OpenFile(t.File("other.pgn"))); },
             "other.pgn", "other.pgn"},
        Step{"SavedUnderANewName",
             [](DocumentFileTest& t, CGameDocument& d, FakePlatform& p) {
                 p.chosenPath = t.File("neu.pgn");
                 EXPECT_TRUE(d.SaveAs());
             },
             "neu.pgn", "neu.pgn"},
        Step{"SaveAsCancelled",
             [](DocumentFileTest&, CGameDocument& d, FakePlatform& p) {
                 p.chosenPath.clear();
                 EXPECT_FALSE(d.SaveAs());
             },
             nullptr, nullptr},
        Step{"SaveAsIntoAMissingFolder",
             [](DocumentFileTest& t, CGameDocument& d, FakePlatform& p) {
                 p.chosenPath = t.File("gone/neu.pgn");
                 EXPECT_FALSE(d.SaveAs());
                 EXPECT_EQ(p.messages.size(), 1u);
             },
             nullptr, nullptr}),
    [](const ::testing::TestParamInfo<Step>& info) { return std::string(info.param.name); });

TEST_F(DocumentFileTest, SaveAsProposesTheTitleInTheFolderOfTheGamesFile) {
    document.OnNewDocument();
    EXPECT_FALSE(document.SaveAs());
    ASSERT_TRUE(document.OpenFile(File("partie.pgn")));
    EXPECT_FALSE(document.SaveAs());
    EXPECT_EQ(platform.saveDialogs,
              (std::vector<SaveDialog>{{"", "NeuesSpiel"}, {File("partie.pgn"), "partie.pgn"}}));
}

TEST_F(DocumentFileTest, OpenAsksForTheFileAndCancelledChangesNothing) {
    ASSERT_TRUE(document.OpenFile(File("partie.pgn")));
    const long number = document.GameNumber();
    EXPECT_FALSE(document.Open());
    EXPECT_EQ(platform.openDialogs, 1);
    EXPECT_EQ(document.GameNumber(), number);
    EXPECT_EQ(document.Title(), "partie.pgn");

    platform.chosenPath = File("other.pgn");
    EXPECT_TRUE(document.Open());
    EXPECT_EQ(document.Path(), File("other.pgn"));
    EXPECT_EQ(Ply(), 3);
}

TEST_F(DocumentFileTest, OpenedAndSavedFilesJoinTheRecentFilesFailedOnesDoNot) {
    ASSERT_TRUE(document.OpenFile(File("partie.pgn")));
    ASSERT_TRUE(document.OpenFile(File("other.pgn")));
    EXPECT_FALSE(document.OpenFile(File("gone.pgn")));
    platform.chosenPath = File("gone/neu.pgn");
    EXPECT_FALSE(document.Save());
    platform.chosenPath = File("neu.pgn");
    EXPECT_TRUE(document.Save());
    EXPECT_TRUE(document.Save());  // to its own file now: the list stays as it is
    EXPECT_EQ(Recent(), (std::vector<std::string>{File("neu.pgn"), File("other.pgn"), File("partie.pgn")}));
}

TEST_F(DocumentFileTest, ARecentFileThatCannotBeOpenedLeavesTheList) {
    recent.Add(File("gone.pgn"));
    recent.Add(File("partie.pgn"));
    recent.Add(File("other.pgn"));
    EXPECT_TRUE(document.OpenRecent(1));
    EXPECT_EQ(document.Path(), File("partie.pgn"));
    EXPECT_EQ(Recent(), (std::vector<std::string>{File("partie.pgn"), File("other.pgn"), File("gone.pgn")}));

    EXPECT_FALSE(document.OpenRecent(2));
    EXPECT_EQ(platform.messages, (std::vector<Message>{{"File open error: 2", CGameDocument::kFileErrorCaption}}));
    EXPECT_EQ(Recent(), (std::vector<std::string>{File("partie.pgn"), File("other.pgn")}));
    EXPECT_EQ(document.Title(), "NeuesSpiel");

    EXPECT_FALSE(document.OpenRecent(2));  // no such entry
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(DocumentFileTest, WithoutARecentListFilesStillOpenAndSave) {
    CGameDocument alone(&platform);
    ASSERT_TRUE(alone.OpenFile(File("partie.pgn")));
    EXPECT_FALSE(alone.OpenRecent(0));
    EXPECT_TRUE(alone.Save());
    EXPECT_EQ(alone.Title(), "partie.pgn");
}

TEST_F(DocumentFileTest, OfTheDroppedFilesTheFirstIsOpened) {
    ASSERT_EQ(document.OnNewDocument(), 1);
    const long number = document.GameNumber();
    EXPECT_FALSE(document.OpenDropped({}));
    EXPECT_EQ(document.GameNumber(), number);
    EXPECT_TRUE(document.OpenDropped({File("other.pgn"), File("partie.pgn")}));
    EXPECT_EQ(document.Path(), File("other.pgn"));
}

TEST_F(DocumentFileTest, EveryGameReplacedOrReloadedGetsANewNumberSavingKeepsIt) {
    std::vector<long> numbers{document.GameNumber()};
    document.OnNewDocument();
    numbers.push_back(document.GameNumber());
    document.OpenFile(File("partie.pgn"));
    numbers.push_back(document.GameNumber());
    platform.clipboard = "1.d4";
    document.OnEditPaste();
    numbers.push_back(document.GameNumber());
    for (size_t i = 1; i < numbers.size(); ++i) EXPECT_GT(numbers[i], numbers[i - 1]) << i;

    platform.chosenPath = File("neu.pgn");
    document.Save();
    platform.allowNew = false;
    document.OnNewDocument();
    EXPECT_EQ(document.GameNumber(), numbers.back());
}

struct TitleCase {
    const char* path;
    const char* title;
};

class FileTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(FileTitles, AreTheFilesOwnName) { EXPECT_EQ(CGameDocument::FileTitle(GetParam().path), GetParam().title); }

INSTANTIATE_TEST_SUITE_P(DocumentFile, FileTitles,
                         ::testing::Values(TitleCase{"/home/anna/partie.pgn", "partie.pgn"},
                                           TitleCase{"partie.pgn", "partie.pgn"},
                                           TitleCase{"Übungen/Läufer gegen Springer.pgn", "Läufer gegen Springer.pgn"},
                                           TitleCase{"/home/anna/v1.2/partie", "partie"}));

}  // namespace
