#include "app/core/document/recentfilelabel.h"

#include <gtest/gtest.h>

TEST(RecentFileLabelTest, ShortensLongPathsToThirtyCharacters) {
    struct Case {
        const char* path;
        const char* label;
    };
    const Case cases[] = {
        {"/home/anna/spiel.pgn", "/home/anna/spiel.pgn"},
        {"/home/anna/schach/partien/2024/spiel.pgn", "/.../partien/2024/spiel.pgn"},
        {"/home/anna/schach/eine-sehr-lange-mappe/spiel.pgn", "/.../spiel.pgn"},
        {"/home/anna/ein-sehr-langer-name-einer-partie.pgn", "ein-sehr-langer-name-einer-partie.pgn"},
        {"spiele/partie-gegen-den-computer-nummer-eins.pgn", "partie-gegen-den-computer-nummer-eins.pgn"},
        {"/home/änne/schach/partien/2024/zü.pgn", "/.../partien/2024/zü.pgn"},
        // Windows names keep their drive and their own separator.
        {"C:\\Users\\anna\\Partien ä\\Übung.pgn", "C:\\...\\Partien ä\\Übung.pgn"},
        {"C:\\Users\\anna\\Eine sehr lange Mappe mit Partien\\Übung.pgn", "C:\\...\\Übung.pgn"},
        {"C:\\Spiele\\Übung.pgn", "C:\\Spiele\\Übung.pgn"},
    };
    for (const Case& c : cases) EXPECT_EQ(CRecentFileLabel::Abbreviate(c.path, 30), c.label) << c.path;
}

TEST(RecentFileLabelTest, CountsCharactersNotBytes) {
    const std::string path = "/home/jürgen/schach/königs.pgn";  // 30 characters, 32 bytes
    EXPECT_EQ(CRecentFileLabel::Abbreviate(path, 30), path);
}

TEST(RecentFileLabelTest, MenuTextIsTheNumberThenTheShortenedName) {
    EXPECT_EQ(CRecentFileLabel::MenuText(1, "/home/anna/partie.pgn"), "&1 /home/anna/partie.pgn");
    const std::string label = CRecentFileLabel::MenuText(4, "/home/anna/Schach/Vereinsmeisterschaft/Runde 7.pgn");
    EXPECT_EQ(label.rfind("&4 ", 0), 0u) << label;
    EXPECT_EQ(label.substr(3), CRecentFileLabel::Abbreviate("/home/anna/Schach/Vereinsmeisterschaft/Runde 7.pgn", 30));
}
