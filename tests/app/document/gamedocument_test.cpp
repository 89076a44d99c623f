#include "app/core/document/gamedocument.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include <csignal>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/tempfolder.h"
#include "fakedocumentplatform.h"
#include "engine/messagepump.h"
#include "game/gamerecord.h"
#include "game/pgntext.h"
#include "game/game.h"
#include "game/gamefacade.h"

namespace {

namespace fs = std::filesystem;

// Windows tells a missing folder (a bad path) from a missing file; POSIX
// says "no such file" for both.
#ifdef _WIN32
constexpr int kMissingFolderCause = 3;
#else
constexpr int kMissingFolderCause = 2;
#endif

std::string Today() {
    char date[28];
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y.%m.%d", std::localtime(&now));
    return date;
}

std::string Tags(const std::string& result, const std::string& lineEnd = "\r\n") {
    std::string tags;
    for (const std::string& line :
         {std::string("[Event \"Torvo Computer Game\"]"), std::string("[Site \"?\"]"), "[Date \"" + Today() + "\"]",
          std::string("[Round \"-\"]"), std::string("[White \"?\"]"), std::string("[Black \"?\"]"),
          "[Result \"" + result + "\"]"})
        tags += line + lineEnd;
    return tags;
}

const char kRuyLopez[] =
    "1.e4 e5 2.Nf3 Nc6 3.Bb5 a6 4.Ba4 Nf6 5.O-O Be7 6.Re1 b5 \r\n"
    "7.Bb3 * \r\n";

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Each line of text followed by one blank, as saving writes old lines back.
std::string WithBlanks(const std::string& text) {
    CPgnText lines;
    lines.AddText(text.data(), text.size(), false);
    std::string out;
    CGameRecord::AppendLines(&lines, &out);
    return out;
}

class GameDocumentTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(document.OnNewDocument(), 1); }

    fs::path File(const char* name) const { return m_folder / name; }
    int Ply() const { return document.GetFacade()->GetGame()->GetPly(); }
    void Play(std::initializer_list<const char*> moves) {
        for (const char* move : moves) ASSERT_STREQ(document.GetFacade()->EnterMove(move), "") << move;
    }
    std::vector<fs::path> FolderEntries() const {
        std::vector<fs::path> entries;
        for (const auto& entry : fs::directory_iterator(m_folder.Path())) entries.push_back(entry.path().filename());
        return entries;
    }
    // Saves the game to name and reads back the bytes.
    std::string Saved(const char* name) {
        EXPECT_TRUE(document.OnSaveDocument(File(name).string()));
        return ReadBytes(File(name));
    }

    FakePlatform platform;
    CGameDocument document{&platform};
    TempFolder m_folder{"gamedocument_"};
};

}  // namespace

TEST_F(GameDocumentTest, NewGameHasTheTitleDefaultTagsAndNoStoredText) {
    Play({"e4"});
    TheMessagePump().SetThinking(1);
    EXPECT_EQ(document.OnNewDocument(), 1);
    EXPECT_EQ(platform.title, CGameDocument::kNewGameTitle);
    EXPECT_EQ(TheMessagePump().Thinking(), 0);
    EXPECT_EQ(Ply(), 0);
    EXPECT_EQ(document.GetStoredText(), nullptr);
    EXPECT_FALSE(document.IsUnchanged());
    EXPECT_EQ(document.SaveText(), Tags("*") + "\r\n* \r\n");
}

TEST_F(GameDocumentTest, NewGameKeepsTheOldGameWhenTheFrameworkRefuses) {
    Play({"e4"});
    CGameFacade* before = document.GetFacade();
    platform.allowNew = false;
    EXPECT_EQ(document.OnNewDocument(), 0);
    EXPECT_EQ(document.GetFacade(), before);
    EXPECT_EQ(Ply(), 1);

    // Nor is a file played on top of it.
    WriteBytes(File("game.pgn"), "1.e4 e5");
    EXPECT_FALSE(document.OnOpenDocument(File("game.pgn").string()));
    EXPECT_EQ(document.GetFacade(), before);
    EXPECT_EQ(Ply(), 1);
}

TEST_F(GameDocumentTest, SavingWritesTheRecordWithCrLf) {
    Play({"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4", "Nf6", "O-O", "Be7", "Re1", "b5", "Bb3"});
    EXPECT_EQ(Saved("game.pgn"), Tags("*") + "\r\n" + kRuyLopez);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GameDocumentTest, OpeningAndSavingAtOnceWritesTheOldLinesWithOneBlankMore) {
    const std::string file = Tags("*") + "\r\n" + kRuyLopez;
    WriteBytes(File("game.pgn"), file);
    ASSERT_TRUE(document.OnOpenDocument(File("game.pgn").string()));
    EXPECT_EQ(Ply(), 13);
    EXPECT_TRUE(document.IsUnchanged());
    EXPECT_EQ(Saved("again.pgn"), WithBlanks(file));
    EXPECT_EQ(WithBlanks("a\r\nb\r\n"), "a \r\nb \r\n");
}

TEST_F(GameDocumentTest, AContinuedGamePutsItsRecordTwoEmptyLinesAndTheOldText) {
    const std::string file = Tags("*") + "\r\n" + kRuyLopez;
    WriteBytes(File("game.pgn"), file);
    ASSERT_TRUE(document.OnOpenDocument(File("game.pgn").string()));
    Play({"d6"});
    EXPECT_FALSE(document.IsUnchanged());
    const std::string record = Tags("*") + "\r\n" +
                               "1.e4 e5 2.Nf3 Nc6 3.Bb5 a6 4.Ba4 Nf6 5.O-O Be7 6.Re1 b5 \r\n"
                               "7.Bb3 d6 * \r\n";
    EXPECT_EQ(Saved("game.pgn"), record + "\r\n\r\n" + WithBlanks(file));
}

TEST_F(GameDocumentTest, OpeningReplaysOnlyTheNewestGame) {
    // The newest game is unfinished; the older one must not be played on top of it.
    const std::string file =
        "[Event \"new\"]\r\n\r\n1.d4 d5 2.c4 \r\n\r\n\r\n[Event \"old\"]\r\n\r\n1.e4 e5 2.Nf3 Nc6 1-0 \r\n";
    WriteBytes(File("two.pgn"), file);
    ASSERT_TRUE(document.OnOpenDocument(File("two.pgn").string()));
    EXPECT_EQ(Ply(), 3);
    EXPECT_TRUE(document.IsUnchanged());
    EXPECT_EQ(Saved("two.pgn"), WithBlanks(file));
}

TEST_F(GameDocumentTest, LongLinesAndLoneCarriageReturnsLoseNothing) {
    // A whole game on one line, far beyond any piece size, with old-style CR line ends.
    std::string moves;
    const char* cycle[] = {"Nf3 ", "Nf6 ", "Ng1 ", "Ng8 ", "Nc3 ", "Nc6 ", "Nb1 ", "Nb8 "};
    for (int i = 0; i < 200; ++i) moves += cycle[i % 8];
    const std::string file = "[Event \"x\"]\r\r" + moves + "\r";
    ASSERT_GT(moves.size(), 499u);
    WriteBytes(File("long.pgn"), file);
    ASSERT_TRUE(document.OnOpenDocument(File("long.pgn").string()));
    // The drawing rules do not stop a replay; every half-move is played.
    EXPECT_EQ(Ply(), 200);
    EXPECT_EQ(Saved("long.pgn"), "[Event \"x\"] \r\n \r\n" + moves + " \r\n");
}

TEST_F(GameDocumentTest, OpenFailuresShowTheCauseAndLeaveANewGameWithoutText) {
    WriteBytes(File("good.pgn"), "1.e4 e5");
    fs::create_directory(File("folder"));
    struct Case {
        fs::path path;
        int cause;
    };
    std::vector<Case> cases = {
        {File("missing.pgn"), 2},
        {File("nofolder") / "x.pgn", kMissingFolderCause},
        {File("good.pgn") / "x.pgn", 3},
        {File("folder"), 5},
    };
#ifndef _WIN32
    cases.push_back({"/dev/zero", 6});
#endif
    for (const auto& c : cases) {
        ASSERT_TRUE(document.OnOpenDocument(File("good.pgn").string()));
        platform.messages.clear();
        EXPECT_FALSE(document.OnOpenDocument(c.path.string())) << c.path;
        EXPECT_EQ(platform.messages, (std::vector<Message>{{"File open error: " + std::to_string(c.cause),
                                                             CGameDocument::kFileErrorCaption}}))
            << c.path;
        EXPECT_EQ(Ply(), 0);
        EXPECT_EQ(document.GetStoredText(), nullptr);
        EXPECT_EQ(platform.title, CGameDocument::kNewGameTitle);
    }
}

// Reading a file larger than the memory once ended the program. It is
// refused before the game in progress is given up.
TEST_F(GameDocumentTest, AFileTooLargeToHoldIsRefusedAndTheGameInProgressStays) {
    Play({"e4", "e5"});
    {
        std::ofstream(File("huge.pgn"), std::ios::binary) << "1.d4 ";
    }
    // Sparse: it takes no room on the disk.
    fs::resize_file(File("huge.pgn"), CPgnText::kMaxSize + 1);
    EXPECT_FALSE(document.OnOpenDocument(File("huge.pgn").string()));
    EXPECT_TRUE(document.RefusedAsTooLarge());
    EXPECT_EQ(platform.messages, (std::vector<Message>{{"File open error: 1", CGameDocument::kFileErrorCaption}}));
    EXPECT_EQ(Ply(), 2);
    EXPECT_NE(platform.title, "huge.pgn");

    // An ordinary failure after it is not taken for one.
    EXPECT_FALSE(document.OnOpenDocument(File("missing.pgn").string()));
    EXPECT_FALSE(document.RefusedAsTooLarge());
    EXPECT_EQ(Ply(), 0);
}

TEST_F(GameDocumentTest, OddFilesOpenWithoutHarm) {
    std::string binary;
    for (int i = 0; i < 70000; ++i) binary.push_back(static_cast<char>((i * 7919) >> 3));
    const std::string megabyteLine = std::string(1 << 20, 'x') + " e4";
    const struct {
        const char* name;
        std::string bytes;
        int ply;
    } cases[] = {
        {"empty.pgn", "", 0},
        {"binary.pgn", binary, -1},
        {"megabyte.pgn", megabyteLine, 1},
        {"token.pgn", std::string(6000, 'N') + " d4 " + std::string(5000, 'b') + "\r\nd5", 2},
        {"brackets.pgn", "1.e4 ( e5 [ { 2.Nf3", 1},
        {"closers.pgn", ") ] } 1.e4 ) e5", 2},
    };
    for (const auto& c : cases) {
        WriteBytes(File(c.name), c.bytes);
        ASSERT_TRUE(document.OnOpenDocument(File(c.name).string())) << c.name;
        if (c.ply >= 0) {
            EXPECT_EQ(Ply(), c.ply) << c.name;
        }
        EXPECT_TRUE(platform.messages.empty()) << c.name;
        // Saving the opened file at once keeps every byte of its lines.
        EXPECT_EQ(Saved(c.name), WithBlanks(c.bytes)) << c.name;
    }
}

TEST_F(GameDocumentTest, AGameLongerThanTheHistoryStopsAtItsEnd) {
    std::string moves;
    const char* cycle[] = {"Nf3 ", "Nf6 ", "Ng1 ", "Ng8 "};
    for (int i = 0; i < CGame::kMaxPositions + 40; ++i) moves += cycle[i % 4];
    ASSERT_TRUE(document.LoadFromText(moves));
    EXPECT_EQ(Ply(), CGame::kMaxPositions - 1);
    char result[CGame::kTextSize];
    EXPECT_EQ(document.GetFacade()->GameOver(result), 1);
    EXPECT_STREQ(result, CGame::kTooManyMovesText);
    EXPECT_TRUE(document.IsUnchanged());
}

TEST_F(GameDocumentTest, SaveFailuresShowTheCause) {
    fs::create_directory(File("folder"));
    struct Case {
        fs::path path;
        std::string message;
    };
    std::vector<Case> cases = {
        {File("nofolder") / "x.pgn", "File open error: " + std::to_string(kMissingFolderCause)},
        {File("folder"), "File open error: 5"},
    };
#ifndef _WIN32
    ASSERT_EQ(mkfifo(File("pipe").c_str(), 0600), 0);
    cases.push_back({File("pipe"), "File open error: 6"});
#endif
    for (const auto& c : cases) {
        platform.messages.clear();
        EXPECT_FALSE(document.OnSaveDocument(c.path.string())) << c.path;
        EXPECT_EQ(platform.messages, (std::vector<Message>{{c.message, CGameDocument::kFileErrorCaption}}));
    }
#ifndef _WIN32
    // The pipe was not replaced by a file.
    EXPECT_TRUE(fs::is_fifo(File("pipe")));
#endif
}

// Names are UTF-8 on every platform; Windows keeps them as wide text.
TEST_F(GameDocumentTest, FolderAndFileNamesWithUmlautsSaveAndOpen) {
    const std::string folder = File("").u8string() + "Schach Partien \xC3\xA4";
    fs::create_directory(fs::u8path(folder));
    const std::string path = folder + "/\xC3\x9C" "bung.pgn";
    Play({"e4", "e5"});
    ASSERT_TRUE(document.OnSaveDocument(path));
    EXPECT_TRUE(fs::exists(fs::u8path(path)));
    // Saving again puts the new text over the old file.
    Play({"Nf3"});
    const std::string text = document.SaveText();
    ASSERT_TRUE(document.OnSaveDocument(path));
    EXPECT_EQ(ReadBytes(fs::u8path(path)), text);
    ASSERT_TRUE(document.OnOpenDocument(path));
    EXPECT_EQ(Ply(), 3);
    EXPECT_TRUE(platform.messages.empty());
}

#ifndef _WIN32
// Links and file size limits are POSIX matters.
TEST_F(GameDocumentTest, SavingThroughALinkReplacesTheFileItNames) {
    fs::create_directory(File("real"));
    WriteBytes(File("real") / "game.pgn", "old");
    fs::create_symlink(File("real") / "game.pgn", File("link.pgn"));
    Play({"e4"});
    ASSERT_TRUE(document.OnSaveDocument(File("link.pgn").string()));
    EXPECT_TRUE(fs::is_symlink(File("link.pgn")));
    EXPECT_EQ(ReadBytes(File("real") / "game.pgn"), document.SaveText());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GameDocumentTest, AFailedWriteLeavesTheOldFileAsItWas) {
    const std::string old = Tags("*") + "\r\n" + kRuyLopez;
    WriteBytes(File("game.pgn"), old);
    ASSERT_TRUE(document.OnOpenDocument(File("game.pgn").string()));
    Play({"d6"});

    // A file size limit makes the write fail as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit tight = before;
    tight.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool saved = document.OnSaveDocument(File("game.pgn").string());
    setrlimit(RLIMIT_FSIZE, &before);

    EXPECT_FALSE(saved);
    EXPECT_EQ(platform.messages,
              (std::vector<Message>{{"File write error: 13", CGameDocument::kFileErrorCaption}}));
    EXPECT_EQ(ReadBytes(File("game.pgn")), old);
    EXPECT_EQ(FolderEntries(), std::vector<fs::path>{"game.pgn"});
}
#endif

TEST_F(GameDocumentTest, PasteShowsShortTextsAndLoadsAcceptedOnes) {
    Play({"d4"});
    platform.clipboard = "1.e4 e5 2.Nf3";
    document.OnEditPaste();
    EXPECT_EQ(platform.messages, (std::vector<Message>{{"1.e4 e5 2.Nf3", CGameDocument::kPasteCaption}}));
    EXPECT_EQ(Ply(), 3);
    EXPECT_EQ(platform.title, CGameDocument::kNewGameTitle);
    ASSERT_NE(document.GetStoredText(), nullptr);

    // Text that does not begin with a legal first move changes nothing.
    for (const char* refused : {"hello", "", "5.Bb5 a6", "$4 e4", "1-0"}) {
        CGameFacade* before = document.GetFacade();
        CPgnText* storedBefore = document.GetStoredText();
        platform.messages.clear();
        platform.clipboard = refused;
        document.OnEditPaste();
        EXPECT_EQ(platform.messages, (std::vector<Message>{{refused, CGameDocument::kPasteCaption}})) << refused;
        EXPECT_EQ(document.GetFacade(), before) << refused;
        EXPECT_EQ(document.GetStoredText(), storedBefore) << refused;
        EXPECT_EQ(Ply(), 3);
    }
}

TEST_F(GameDocumentTest, PasteSkipsTagsAndCommentsBeforeTheFirstMove) {
    platform.clipboard = "[Event \"x\"]\r\n{opening}\r\n1. e4 (1.d4) e5";
    document.OnEditPaste();
    EXPECT_EQ(Ply(), 2);
}

TEST_F(GameDocumentTest, LongPastesLoadWholeWithoutThePreview) {
    // Comments push the last moves far beyond any fixed paste buffer.
    std::string text;
    const char* cycle[] = {"Nf3", "Nf6", "Ng1", "Ng8"};
    const std::string comment = " {" + std::string(400, 'c') + "} ";
    for (int i = 0; i < 40; ++i) text += std::string(cycle[i % 4]) + comment;
    ASSERT_GT(text.size(), 9000u);
    platform.clipboard = text;
    document.OnEditPaste();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Ply(), 40);

    platform.clipboard = std::string(CGameDocument::kPreviewLimit - 3, ' ') + "e4";
    document.OnEditPaste();
    EXPECT_EQ(platform.messages.size(), 1u);
    platform.clipboard = std::string(CGameDocument::kPreviewLimit - 2, ' ') + "e4";
    document.OnEditPaste();
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(Ply(), 1);
}

TEST_F(GameDocumentTest, CopyOfANewGameIsTheClipboardForm) {
    document.OnEditCopy();
    EXPECT_EQ(platform.clipboard, Tags("*", " \r\n") + "\r\n *  \r\n");
}

TEST_F(GameDocumentTest, CopyAfterPasteWritesTheTextAgainWithoutItsLfOnlyEmptyLines) {
    // LFs in a row count as one; the empty line of a CR LF text is a line of its own.
    platform.clipboard = "[Event \"x\"]\r\n\r\n1.e4 e5\r\n";
    document.OnEditPaste();
    document.OnEditCopy();
    EXPECT_EQ(platform.clipboard, "[Event \"x\"] \r\n \r\n1.e4 e5 \r\n");

    platform.clipboard = "[Event \"x\"]\n\n1.e4 e5\n";
    document.OnEditPaste();
    document.OnEditCopy();
    EXPECT_EQ(platform.clipboard, "[Event \"x\"] \r\n1.e4 e5 \r\n");

    Play({"Nf3"});
    document.OnEditCopy();
    EXPECT_EQ(platform.clipboard, Tags("*", " \r\n") + "\r\n1.e4 e5 2.Nf3  *  \r\n" +
                                      "\r\n\r\n[Event \"x\"] \r\n1.e4 e5 \r\n");
}

TEST_F(GameDocumentTest, ALatin1FileIsCopiedAsUtf8AndSavedByteForByte) {
    // Tags in Latin-1, as older files have them, beside a comment in UTF-8.
    const std::string file = "[Site \"M\xFC" "nchen\"]\r\n[White \"J\xE4ger, B\xF6hm\"]\r\n\r\n"
                             "1.e4 {gro\xC3\x9F" "artig} e5 *\r\n";
    WriteBytes(File("alt.pgn"), file);
    ASSERT_TRUE(document.OnOpenDocument(File("alt.pgn").string()));
    platform.clipboard = "before";
    document.OnEditCopy();
    EXPECT_EQ(platform.clipboard,
              "[Site \"M\xC3\xBC" "nchen\"] \r\n[White \"J\xC3\xA4ger, B\xC3\xB6hm\"] \r\n \r\n"
              "1.e4 {gro\xC3\x9F" "artig} e5 * \r\n");
    EXPECT_EQ(Saved("again.pgn"), WithBlanks(file));
}

TEST_F(GameDocumentTest, CopyGrowsToTheWholeText) {
    const std::string bigLine = "{" + std::string(50000, 'c') + "}";
    platform.clipboard = "1.e4\n" + bigLine + "\ne5";
    document.OnEditPaste();
    EXPECT_EQ(Ply(), 2);
    Play({"Nf3"});
    document.OnEditCopy();
    const std::string tail = "\r\n\r\n1.e4 \r\n" + bigLine + " \r\ne5 \r\n";
    ASSERT_GT(platform.clipboard.size(), tail.size());
    EXPECT_EQ(platform.clipboard.substr(platform.clipboard.size() - tail.size()), tail);
}

TEST_F(GameDocumentTest, ALongGameSurvivesARoundTrip) {
    // A varied game: always the legal move at a shifting index.
    CGameFacade* facade = document.GetFacade();
    char result[CGame::kTextSize];
    for (int i = 0; i < 400 && facade->GameOver(result) == 0; ++i) {
        const std::string move = facade->LegalMoveText((i * 7 + 3) % facade->LegalMoveCount());
        ASSERT_STREQ(facade->EnterMove(move.c_str()), "");
    }
    const int ply = Ply();
    ASSERT_GT(ply, 100);
    const std::string written = Saved("round.pgn");

    FakePlatform otherPlatform;
    CGameDocument other(&otherPlatform);
    ASSERT_TRUE(other.OnOpenDocument(File("round.pgn").string()));
    EXPECT_EQ(other.GetFacade()->GetGame()->GetPly(), ply);
    std::string again;
    CGameRecord::Append(other.GetFacade(), CGameRecord::Form::kFile, &again);
    EXPECT_EQ(again, written);
}
