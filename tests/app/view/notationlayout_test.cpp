#include "app/core/view/notationlayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/core/view/notationsurface.h"
#include "app/core/view/textmeasurer.h"
#include "game/gamefacade.h"
#include "game/gamerecord.h"
#include "notation/gametags.h"

namespace {

// Every text is 13 high, so a line step is (3 * 13 + 1) / 2 = 20: a halving
// that rounded down instead of up would give 19.
class CFakeMeasurer : public CTextMeasurer {
public:
    static constexpr int kHeight = 13;
    static constexpr int kStep = 20;
    static constexpr int kCharWidth = 7;
    int TextHeight(const char* text) override {
        measured.push_back(text);
        return kHeight;
    }
    int TextWidth(const char* text) override { return kCharWidth * static_cast<int>(std::strlen(text)); }
    std::vector<std::string> measured;
};

constexpr int kTagGap = 12;

// A device whose characters are as wide as the font's size in points and
// whose lines twice as high; records what is drawn at which size.
class CFakeSurface : public INotationSurface {
public:
    struct Drawn {
        int points;
        int x;
        int y;
        std::string text;
    };
    static int CharWidth(int points) { return points; }
    static int Height(int points) { return 2 * points; }

    int TextHeight(const char*) override { return Height(points); }
    int TextWidth(const char* text) override { return CharWidth(points) * static_cast<int>(std::strlen(text)); }
    void SetFontPoints(int size) override { points = size; }
    void WriteText(int x, int y, const char* text) override { drawn.push_back({points, x, y, text}); }

    int points = 0;
    std::vector<Drawn> drawn;
};

// A game as the document starts it: with the seven default tags.
class CNewGame : public CGameFacade {
public:
    CNewGame() { UpdateResultTag()->SetDefaults(); }
};

void EnterMoves(CGameFacade& facade, std::initializer_list<const char*> moves) {
    for (const char* move : moves) ASSERT_STREQ(facade.EnterMove(move), "") << move;
}

std::vector<std::string> TagLines(CGameFacade& facade) {
    std::vector<std::string> lines;
    CGameTags* tags = facade.UpdateResultTag();
    for (const char* line = tags->First(); line != nullptr; line = tags->Next()) lines.push_back(line);
    return lines;
}

// The tag lines come first, each a step below the other; then the move lines.
std::vector<CNotationLayout::Draw> MoveLines(CGameFacade& facade) {
    CFakeMeasurer measurer;
    CNotationLayout layout;
    const std::vector<CNotationLayout::Draw>& draws = layout.Layout(facade, measurer);
    const std::vector<std::string> tags = TagLines(facade);
    EXPECT_GT(draws.size(), tags.size());
    for (size_t i = 0; i < tags.size() && i < draws.size(); ++i) {
        EXPECT_EQ(draws[i].text, tags[i]);
        EXPECT_EQ(draws[i].x, 4);
        EXPECT_EQ(draws[i].y, 4 + static_cast<int>(i) * CFakeMeasurer::kStep);
    }
    // Each drawn line but the last was measured to find the next line's place.
    EXPECT_EQ(measurer.measured.size(), draws.size() - 1);
    for (size_t i = 0; i + 1 < draws.size() && i < measurer.measured.size(); ++i)
        EXPECT_EQ(measurer.measured[i], draws[i].text);
    const int firstMoveLine = 4 + static_cast<int>(tags.size()) * CFakeMeasurer::kStep + kTagGap;
    std::vector<CNotationLayout::Draw> moves(draws.begin() + tags.size(), draws.end());
    for (size_t i = 0; i < moves.size(); ++i) {
        EXPECT_EQ(moves[i].x, 4);
        EXPECT_EQ(moves[i].y, firstMoveLine + static_cast<int>(i) * CFakeMeasurer::kStep);
    }
    return moves;
}

std::vector<std::string> Texts(const std::vector<CNotationLayout::Draw>& draws) {
    std::vector<std::string> texts;
    for (const auto& d : draws) texts.push_back(d.text);
    return texts;
}

}  // namespace

TEST(NotationLayoutTest, GameWithoutMovesShowsTagsGapAndAStar) {
    CNewGame facade;
    EXPECT_EQ(Texts(MoveLines(facade)), (std::vector<std::string>{" * "}));
    const std::vector<std::string> tags = TagLines(facade);
    EXPECT_EQ(tags.size(), 7u);
}

TEST(NotationLayoutTest, TwelveHalfMovesALineAndTheResultBehind) {
    const char* moves[] = {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4", "Nf6", "O-O", "Be7",
                           "Re1", "b5", "Bb3", "d6", "c3", "O-O", "h3", "Nb8", "d4", "Nbd7",
                           "c4", "c6", "cxb5", "axb5", "Nc3"};
    const std::string line1 = "1.e4 e5 2.Nf3 Nc6 3.Bb5 a6 4.Ba4 Nf6 5.O-O Be7 6.Re1 b5 ";
    const std::string line2 = "7.Bb3 d6 8.c3 O-O 9.h3 Nb8 10.d4 Nbd7 11.c4 c6 12.cxb5 axb5 ";
    const struct {
        int halfMoves;
        std::vector<std::string> lines;
    } cases[] = {
        {1, {"1.e4  * "}},
        {11, {line1.substr(0, line1.size() - 3) + " * "}},
        {12, {line1, " * "}},
        {13, {line1, "7.Bb3  * "}},
        {24, {line1, line2, " * "}},
        {25, {line1, line2, "13.Nc3  * "}},
    };
    for (const auto& c : cases) {
        CNewGame facade;
        for (int i = 0; i < c.halfMoves; ++i) ASSERT_STREQ(facade.EnterMove(moves[i]), "") << moves[i];
        EXPECT_EQ(Texts(MoveLines(facade)), c.lines) << c.halfMoves << " half-moves";
    }
}

TEST(NotationLayoutTest, FinishedGameEndsWithItsResultText) {
    CNewGame mated;
    EnterMoves(mated, {"f3", "e5", "g4", "Qh4"});
    EXPECT_EQ(Texts(MoveLines(mated)),
              (std::vector<std::string>{"1.f3 e5 2.g4 Qh4 0-1 {Black mates}"}));
    bool resultTagSet = false;
    for (const std::string& tag : TagLines(mated)) resultTagSet |= tag == "[Result \"0-1\"]";
    EXPECT_TRUE(resultTagSet);
}

TEST(NotationLayoutTest, ALayoutReplacesThePreviousOne) {
    CNewGame facade;
    CFakeMeasurer measurer;
    CNotationLayout layout;
    layout.Layout(facade, measurer);
    const size_t before = layout.Draws().size();
    EnterMoves(facade, {"d4"});
    layout.Layout(facade, measurer);
    EXPECT_EQ(layout.Draws().size(), before);
    EXPECT_EQ(layout.Draws().back().text, "1.d4  * ");
}

TEST(NotationLayoutTest, ExtentCoversTheWidestLineAndTheLastWithMargins) {
    CNewGame facade;
    EnterMoves(facade, {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4", "Nf6", "O-O", "Be7", "Re1", "b5", "Bb3"});
    CFakeMeasurer measurer;
    CNotationLayout layout;
    const std::vector<CNotationLayout::Draw>& draws = layout.Layout(facade, measurer);
    size_t widest = 0;
    for (const auto& draw : draws) widest = std::max(widest, draw.text.size());
    const CNotationLayout::Extent extent = layout.Measure(measurer);
    EXPECT_EQ(layout.WidestLine(measurer), 4 + CFakeMeasurer::kCharWidth * static_cast<int>(widest));
    EXPECT_EQ(extent.width, layout.WidestLine(measurer) + 4);
    EXPECT_EQ(extent.height, draws.back().y + CFakeMeasurer::kStep + 4);

    EXPECT_EQ(CNotationLayout().Measure(measurer).height, 0) << "nothing laid out";
}

TEST(NotationLayoutTest, FontSizeIsTheLargestAtWhichTheWidestLineFits) {
    // Widths that grow faster than the size, as hinted fonts may.
    const auto widestAt = [](int points) { return 40 * points + points * points; };
    const struct {
        int available;
        int points;
    } cases[] = {
        {40 * 10 + 100, 10},      // exactly fits
        {40 * 10 + 99, 9},        // one pixel short
        {100000, CNotationLayout::kMaxPoints},  // a wide window: no larger than the largest size
        {50, CNotationLayout::kMinPoints},      // too narrow for any: the smallest, and scrolled
        {0, CNotationLayout::kMinPoints},
    };
    for (const auto& c : cases) EXPECT_EQ(CNotationLayout::FitPoints(widestAt, c.available), c.points) << c.available;

    // Never asks for a size outside the bounds.
    CNotationLayout::FitPoints(
        [](int points) {
            EXPECT_GE(points, CNotationLayout::kMinPoints);
            EXPECT_LE(points, CNotationLayout::kMaxPoints);
            return points;
        },
        12);
}

// The screen and the clipboard show the same lines: the clipboard's each end
// in one blank more.
TEST(NotationLayoutTest, LinesAreTheClipboardRecordsLines) {
    const char* moves[] = {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4", "Nf6", "O-O", "Be7", "Re1", "b5", "Bb3",
                           "d6", "c3", "O-O", "h3", "Nb8", "d4", "Nbd7", "c4", "c6", "cxb5", "axb5", "Nc3"};
    for (int halfMoves : {0, 12, 25}) {
        CNewGame facade;
        for (int i = 0; i < halfMoves; ++i) ASSERT_STREQ(facade.EnterMove(moves[i]), "");
        std::string record;
        CGameRecord::Append(&facade, CGameRecord::Form::kClipboard, &record);
        std::vector<std::string> lines;
        for (size_t start = 0, end; (end = record.find("\r\n", start)) != std::string::npos; start = end + 2)
            if (end > start) lines.push_back(record.substr(start, end - start));
        CFakeMeasurer measurer;
        CNotationLayout layout;
        std::vector<std::string> shown;
        for (const auto& draw : layout.Layout(facade, measurer)) shown.push_back(draw.text + " ");
        EXPECT_EQ(shown, lines) << halfMoves << " half-moves";
    }
}

// The whole text goes on the device in the largest size at which its widest
// line ends inside the width, less the margin, each line a step of that
// size below the other.
TEST(NotationLayoutTest, DrawnTextTakesTheLargestSizeThatFitsTheWidth) {
    CNewGame facade;
    EnterMoves(facade, {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4", "Nf6", "O-O", "Be7", "Re1", "b5", "Bb3"});
    CFakeMeasurer measurer;
    CNotationLayout layout;
    size_t widest = 0;
    for (const auto& draw : layout.Layout(facade, measurer)) widest = std::max(widest, draw.text.size());
    const int chars = static_cast<int>(widest);
    // Where the widest line ends at a size.
    const auto rightAt = [&](int points) { return 4 + CFakeSurface::CharWidth(points) * chars; };
    const struct {
        int width;
        int points;
    } cases[] = {
        {rightAt(14) + 4, 14},  // ends exactly at the margin
        {rightAt(14) + 3, 13},  // a pixel short
        {100000, CNotationLayout::kMaxPoints},
        {10, CNotationLayout::kMinPoints},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        CFakeSurface surface;
        const CNotationLayout::Extent extent = CNotationLayout::DrawFitted(facade, surface, c.width);
        ASSERT_EQ(surface.drawn.size(), layout.Draws().size());
        const int step = CNotationLayout::LineStep(CFakeSurface::Height(c.points));
        for (size_t i = 0; i < surface.drawn.size(); ++i) {
            EXPECT_EQ(surface.drawn[i].points, c.points);
            EXPECT_EQ(surface.drawn[i].text, layout.Draws()[i].text);
            EXPECT_EQ(surface.drawn[i].x, 4);
            // The gap after the tags, 12, in the one step from the last tag line.
            const int gap = i >= 7 ? kTagGap : 0;
            EXPECT_EQ(surface.drawn[i].y, 4 + static_cast<int>(i) * step + gap) << i;
        }
        EXPECT_EQ(extent.width, rightAt(c.points) + 4);
        EXPECT_EQ(extent.height, surface.drawn.back().y + step + 4);
    }
}
