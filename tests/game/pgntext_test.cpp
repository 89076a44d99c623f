#include "game/pgntext.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/gamefacade.h"
#include "game/gamerecord.h"

namespace {

using Strings = std::vector<std::string>;

// Tokens without their closing blank, which is checked on the way.
Strings Tokens(CPgnText& text) {
    Strings tokens;
    text.Rewind();
    for (const char* token = text.NextToken(); *token != '\0'; token = text.NextToken()) {
        const std::string t(token);
        EXPECT_EQ(t.back(), ' ') << t;
        tokens.push_back(t.substr(0, t.size() - 1));
    }
    return tokens;
}

Strings TokensOfLines(const Strings& lines) {
    CPgnText text;
    for (const std::string& line : lines) text.AddLine(line.c_str());
    return Tokens(text);
}

Strings StoredLines(CPgnText& text) {
    Strings lines;
    text.Rewind();
    std::string_view line;
    while (text.NextLine(&line)) lines.emplace_back(line);
    return lines;
}

std::unique_ptr<CPgnText> FromText(const std::string& content, bool dropEmpty = false) {
    auto text = std::make_unique<CPgnText>();
    text->AddText(content.data(), content.size(), dropEmpty);
    return text;
}

// The game's moves as the record writes them, one text per half-move.
Strings MoveTexts(const CGameFacade& facade) {
    Strings moves;
    char text[CGame::kTextSize];
    for (int ply = 1; const char* move = facade.GetGame()->MoveText(ply, text); ++ply) moves.push_back(move);
    return moves;
}

}  // namespace

TEST(PgnTextTest, TokensSkipTagsCommentsVariationsAndMoveNumbers) {
    const struct {
        Strings lines;
        Strings tokens;
    } cases[] = {
        {{"[Site \"?\"]", "", "1.e4 e5 2.Nf3 *"}, {"e4", "e5", "Nf3", "*"}},
        {{"1. e4 {best by test} e5 (1... c5 2. Nf3) 2. Nf3"}, {"e4", "e5", "Nf3"}},
        {{"1.e4 e5"}, {"e4", "e5"}},
        {{"1.e4 Nf", "3 d5"}, {"e4", "Nf", "3", "d5"}},
        {{"12... Nf6 13.O-O"}, {"Nf6", "O-O"}},
        {{"e4{!}e5 d4"}, {"e4e5", "d4"}},
        {{"e4\te5\x01" "d4\xC3\xA4" "c4"}, {"e4", "e5", "d4", "c4"}},
        {{"Nf3[Event \"x\"] d4"}, {"d4"}},
        {{"e4 ) d4 ]"}, {"e4", ")", "d4", "]"}},
        {{""}, {}},
        {{}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(TokensOfLines(c.lines), c.tokens) << c.lines.size();
}

TEST(PgnTextTest, CommentsAndTagsEndOnlyAtTheirOwnClosingCharacter) {
    const struct {
        Strings lines;
        Strings tokens;
    } cases[] = {
        {{"1.e4 {Black resigns :( } e5 2.Nf3"}, {"e4", "e5", "Nf3"}},
        {{"[Event \"Open (rapid)\"]", "1.d4 d5"}, {"d4", "d5"}},
        {{"1.e4 {a ) b ] c} e5"}, {"e4", "e5"}},
        {{"1.e4 (1.d4 {a) comment} d5) e5"}, {"e4", "e5"}},
        {{"1.e4 {spans", "two lines} e5"}, {"e4", "e5"}},
    };
    for (const auto& c : cases) EXPECT_EQ(TokensOfLines(c.lines), c.tokens) << c.lines[0];
}

TEST(PgnTextTest, NestedVariationsAreSkippedWhole) {
    EXPECT_EQ(TokensOfLines({"( a ( b ) c )"}), Strings{});
    EXPECT_EQ(TokensOfLines({"1.e4 e5 (1... c5 (1... e6 2.d4) 2.Nf3) 2.Nf3"}), (Strings{"e4", "e5", "Nf3"}));
}

TEST(PgnTextTest, UnbalancedOpeningsSkipToTheEnd) {
    for (const char* line : {"1.e4 ( e5 2.Nf3", "1.e4 { e5 2.Nf3", "1.e4 [ e5 2.Nf3"})
        EXPECT_EQ(TokensOfLines({line, "d4 d5"}), Strings{"e4"}) << line;
}

TEST(PgnTextTest, TokenOfTheFullBufferIsKeptAndALongerOneDropped) {
    const std::string longest(CPgnText::kTokenSize - 2, 'a');
    const std::string tooLong(CPgnText::kTokenSize - 1, 'b');
    EXPECT_EQ(TokensOfLines({longest + " e4"}), (Strings{longest, "e4"}));
    EXPECT_EQ(TokensOfLines({tooLong + " e4"}), Strings{"e4"});
    EXPECT_EQ(TokensOfLines({"e4 " + std::string(100000, 'c')}), Strings{"e4"});
    // A long word cut by a dot is a move number and its move.
    EXPECT_EQ(TokensOfLines({std::string(20000, '9') + ".e4"}), Strings{"e4"});
}

TEST(PgnTextTest, RewindStartsAfreshOutsideAnyComment) {
    CPgnText text;
    text.AddLine("1.e4 {never closed");
    EXPECT_EQ(Tokens(text), Strings{"e4"});
    EXPECT_EQ(Tokens(text), Strings{"e4"});
    EXPECT_EQ(text.ReplayCount(), 1);
    EXPECT_EQ(text.ReplayCount(), 1);
}

TEST(PgnTextTest, NextLineGivesEveryLineWholeThenNothing) {
    const std::string longLine(1 << 20, 'x');
    CPgnText text;
    text.AddLine("[Event \"a\"]");
    text.AddLine("");
    text.AddLine(longLine.c_str());
    EXPECT_EQ(text.LineCount(), 3);
    EXPECT_EQ(StoredLines(text), (Strings{"[Event \"a\"]", "", longLine}));
    std::string_view after;
    EXPECT_FALSE(text.NextLine(&after));
}

// A text of nothing but line ends once cost a string per line, forty times its size.
TEST(PgnTextTest, HeldTextIsNoLargerThanItsFile) {
    for (const std::string& unit : {std::string("\n"), std::string("\r\n"), std::string("\r"), std::string("e4\n")}) {
        std::string content;
        for (int i = 0; i < 100000; ++i) content += unit;
        const auto text = FromText(content);
        EXPECT_EQ(text->LineCount(), 100000) << unit;
        EXPECT_LE(text->HeldBytes(), content.size() + 1) << unit;
    }
}

TEST(PgnTextTest, ALineFeedInsideAnAddedLineStartsAnotherLine) {
    CPgnText text;
    text.AddLine("1.e4\ne5");
    text.AddLine(std::string("2.Nf3"));
    EXPECT_EQ(text.LineCount(), 3);
    EXPECT_EQ(StoredLines(text), (Strings{"1.e4", "e5", "2.Nf3"}));
    EXPECT_EQ(text.ReplayCount(), 3);
}

TEST(PgnTextTest, AddTextEndsLinesAtLfCrLfAndALoneCr) {
    const struct {
        std::string content;
        Strings kept;
        Strings withoutEmpty;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}, {"a", "b"}},
        {"a\nb", {"a", "b"}, {"a", "b"}},
        {"a\rb\r", {"a", "b"}, {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}, {"a", "b"}},
        {"\n\na\n\n\nb\n", {"", "", "a", "", "", "b"}, {"a", "b"}},
        // A paste drops only the empty lines between two LFs; CR LF ones stay.
        {"a\r\n\r\nb", {"a", "", "b"}, {"a", "", "b"}},
        {"a\r\n\nb\n\r\nc", {"a", "", "b", "", "c"}, {"a", "b", "", "c"}},
        {"a\r\r\nb", {"a", "", "b"}, {"a", "", "b"}},
        {"\r\n", {""}, {""}},
        {"", {}, {}},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}, {std::string("a\0b", 3), "c"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StoredLines(*FromText(c.content)), c.kept) << c.content;
        EXPECT_EQ(StoredLines(*FromText(c.content, true)), c.withoutEmpty) << c.content;
    }
}

TEST(PgnTextTest, ReplayCountOfARecordIsItsNumberOfHalfMoves) {
    CGameFacade game;
    int played = 0;
    // Knights out and back: a long finished game needs no search here.
    const char* cycle[] = {"Nf3", "Nf6", "Ng1", "Ng8"};
    while (played < 40) {
        char result[CGame::kTextSize];
        if (game.GameOver(result) == 1) break;
        ASSERT_STREQ(game.EnterMove(cycle[played % 4]), "");
        ++played;
    }
    std::string record;
    CGameRecord::Append(&game, CGameRecord::Form::kFile, &record);
    EXPECT_EQ(FromText(record)->ReplayCount(), game.GetGame()->GetPly());
    EXPECT_GT(played, 12);

    // Refused tokens do not stop the count.
    EXPECT_EQ(FromText("1.e5 Nf3 2.Ke2 e6")->ReplayCount(), 2);
    EXPECT_EQ(FromText("1.e5 Ke2 2.Qh5")->ReplayCount(), 0);
    EXPECT_EQ(FromText("")->ReplayCount(), 0);
}

TEST(PgnTextTest, ReplayStopsAtTheFirstGamesEnd) {
    const struct {
        const char* text;
        Strings moves;
    } cases[] = {
        {"1.e4 e5 1-0\n1.d4", {"1.e4", "e5"}},
        {"1.e4 e5 0-1 d4", {"1.e4", "e5"}},
        {"1.e4 e5 1/2-1/2 d4", {"1.e4", "e5"}},
        {"1.e4 e5 * d4", {"1.e4", "e5"}},
        // An unfinished game without a termination: the next tag section ends it.
        {"[Event \"b\"]\n\n1.e4 e5\n\n[Event \"a\"]\n\n2.d4 d5", {"1.e4", "e5"}},
        // Tags before the first move, or inside a comment, are no new game.
        {"[Event \"b\"]\n[Site \"x\"]\n1.e4 {[%clk 0:05]} e5 Nf3", {"1.e4", "e5", "2.Nf3"}},
        {"%escape line\n[Event \"b\"]\n1.e4", {"1.e4"}},
    };
    for (const auto& c : cases) {
        const auto text = FromText(c.text);
        CGameFacade game;
        EXPECT_EQ(text->Replay(&game), static_cast<int>(c.moves.size())) << c.text;
        EXPECT_EQ(MoveTexts(game), c.moves) << c.text;
        EXPECT_EQ(text->ReplayCount(), static_cast<int>(c.moves.size())) << c.text;
    }
}

TEST(PgnTextTest, ReplayPassesOverWordsThatAreNoMoves) {
    // "xxx" names no square; it was once read as Black's last pawn move, h5.
    const auto text = FromText("1. e4 xxx e5 2. Nf3 N Nc6");
    CGameFacade game;
    EXPECT_EQ(text->Replay(&game), 4);
    EXPECT_EQ(MoveTexts(game), (Strings{"1.e4", "e5", "2.Nf3", "Nc6"}));
}

TEST(PgnTextTest, ReplaySkipsAnnotationGlyphs) {
    // Unskipped, $4 and $5 would be read as pawn moves to those ranks.
    const auto text = FromText("1.d4 $4 d5 $14 2.c4 $5 e6 $ 3.Nc3");
    CGameFacade game;
    EXPECT_EQ(text->Replay(&game), 5);
    EXPECT_EQ(MoveTexts(game), (Strings{"1.d4", "d5", "2.c4", "e6", "3.Nc3"}));
}

TEST(PgnTextTest, GlyphsAndTerminationsAreRecognisedExactly) {
    for (const char* glyph : {"$1 ", "$4 ", "$146 "}) EXPECT_TRUE(CPgnText::IsGlyph(glyph)) << glyph;
    for (const char* other : {"$ ", "$4", "$4a ", "e4 ", "4 "}) EXPECT_FALSE(CPgnText::IsGlyph(other)) << other;
    for (const char* end : {"1-0 ", "0-1 ", "1/2-1/2 ", "* "}) EXPECT_TRUE(CPgnText::IsTermination(end)) << end;
    for (const char* other : {"1-0", "1/2 ", "** ", "0-0 "}) EXPECT_FALSE(CPgnText::IsTermination(other)) << other;
}
