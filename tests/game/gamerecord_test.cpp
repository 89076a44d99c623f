#include "game/gamerecord.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "game/gamefacade.h"
#include "game/pgntext.h"
#include "notation/gametags.h"

namespace {

using Form = CGameRecord::Form;

std::string Today() {
    char date[28];
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y.%m.%d", std::localtime(&now));
    return date;
}

// The seven default tag lines, each followed by lineEnd.
std::string DefaultTags(const std::string& lineEnd) {
    std::string tags;
    for (const std::string& line :
         {std::string("[Event \"Torvo Computer Game\"]"), std::string("[Site \"?\"]"), "[Date \"" + Today() + "\"]",
          std::string("[Round \"-\"]"), std::string("[White \"?\"]"), std::string("[Black \"?\"]")})
        tags += line + lineEnd;
    return tags;
}

struct Game {
    CGameFacade facade;
    explicit Game(std::initializer_list<const char*> moves) {
        facade.UpdateResultTag()->SetDefaults();
        for (const char* move : moves) EXPECT_STREQ(facade.EnterMove(move), "") << move;
    }
    std::string Record(Form form) {
        std::string out;
        CGameRecord::Append(&facade, form, &out);
        return out;
    }
};

const std::initializer_list<const char*> kTwelve = {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6",
                                                     "Ba4", "Nf6", "O-O", "Be7", "Re1", "b5"};
const char kTwelveLine[] = "1.e4 e5 2.Nf3 Nc6 3.Bb5 a6 4.Ba4 Nf6 5.O-O Be7 6.Re1 b5 ";

}  // namespace

TEST(GameRecordTest, FoolsMateIsNineFileLines) {
    Game game({"f3", "e5", "g4", "Qh4"});
    EXPECT_EQ(game.Record(Form::kFile), DefaultTags("\r\n") +
                                            "[Result \"0-1\"]\r\n"
                                            "\r\n"
                                            "1.f3 e5 2.g4 Qh4 0-1 {Black mates} \r\n");
}

TEST(GameRecordTest, EmptyGameInBothForms) {
    Game game({});
    EXPECT_EQ(game.Record(Form::kFile), DefaultTags("\r\n") + "[Result \"*\"]\r\n\r\n* \r\n");
    EXPECT_EQ(game.Record(Form::kClipboard), DefaultTags(" \r\n") + "[Result \"*\"] \r\n\r\n *  \r\n");
}

TEST(GameRecordTest, UnfinishedGameLastLineInBothForms) {
    Game game({"e4", "e5"});
    const std::string file = game.Record(Form::kFile);
    const std::string clipboard = game.Record(Form::kClipboard);
    EXPECT_EQ(file.substr(file.rfind("\r\n\r\n") + 4), "1.e4 e5 * \r\n");
    EXPECT_EQ(clipboard.substr(clipboard.rfind("\r\n\r\n") + 4), "1.e4 e5  *  \r\n");
}

TEST(GameRecordTest, TwelveHalfMovesFillALineAndTheResultGoesBelow) {
    Game game(kTwelve);
    const std::string file = game.Record(Form::kFile);
    EXPECT_EQ(file.substr(file.rfind("\r\n\r\n") + 4), std::string(kTwelveLine) + "\r\n* \r\n");
    const std::string clipboard = game.Record(Form::kClipboard);
    EXPECT_EQ(clipboard.substr(clipboard.rfind("\r\n\r\n") + 4), std::string(kTwelveLine) + " \r\n *  \r\n");
}

TEST(GameRecordTest, ThirteenthHalfMoveOpensTheSecondLine) {
    Game game(kTwelve);
    ASSERT_STREQ(game.facade.EnterMove("Bb3"), "");
    const std::string file = game.Record(Form::kFile);
    EXPECT_EQ(file.substr(file.rfind("\r\n\r\n") + 4), std::string(kTwelveLine) + "\r\n7.Bb3 * \r\n");
}

TEST(GameRecordTest, StoredLinesEachGetABlankAndALineEnd) {
    CPgnText text;
    for (const char* line : {"[Event \"x\"]", "", "1.e4 *"}) text.AddLine(line);
    text.NextToken();  // reading tokens first must not matter
    std::string out = "keep";
    CGameRecord::AppendLines(&text, &out);
    EXPECT_EQ(out, "keep[Event \"x\"] \r\n \r\n1.e4 * \r\n");
}
