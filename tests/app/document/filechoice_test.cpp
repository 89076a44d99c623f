#include "app/core/document/filechoice.h"

#include <gtest/gtest.h>

#include <string>

TEST(FileChoiceTest, TheDialogsOfferOurGamesFirstThenEveryFile) {
    ASSERT_EQ(CFileChoice::kFilterCount, 2);
    EXPECT_STREQ(CFileChoice::kFilters[0].name, "Torvo Files (*.pgn)");
    EXPECT_STREQ(CFileChoice::kFilters[0].pattern, "*.pgn");
    EXPECT_STREQ(CFileChoice::kFilters[1].name, "Alle Dateien (*.*)");
    // Also names without a dot, as "README" or "partie".
    EXPECT_STREQ(CFileChoice::kFilters[1].pattern, "*");
}

TEST(FileChoiceTest, SavingStartsInTheFolderOfTheGamesFile) {
    const struct {
        const char* current;
        const char* folder;
    } cases[] = {
        {"/home/anna/Spiele/partie.pgn", "/home/anna/Spiele"},
        {"/home/anna/Schach \xC3\xBC" "bungen/a b.pgn", "/home/anna/Schach \xC3\xBC" "bungen"},  // "Schachübungen"
        {"/partie.pgn", "/"},
        {"Spiele/partie.pgn", "Spiele"},
        {"partie.pgn", ""},  // a bare name has no folder of its own
        {"", ""},            // a new or pasted game: the dialogs' last folder
    };
    for (const auto& c : cases) EXPECT_EQ(CFileChoice::SaveFolder(c.current), c.folder) << c.current;
}
