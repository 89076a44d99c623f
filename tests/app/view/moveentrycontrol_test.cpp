#include "app/core/view/moveentrycontrol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/view/thinkingcontrol.h"
#include "game/gamefacade.h"

namespace {

constexpr int kEntrySize = 400;  // a square is 50 pixels
constexpr int kEntrySquare = kEntrySize / 8;

// Records what the controller asks of the view; answers as told.
class FakeView : public IMoveEntryView {
public:
    CGameFacade* Facade() override { return &facade; }
    long GameNumber() override { return gameNumber; }
    void SetStatusText(const char* text) override { log.push_back("status " + std::string(text)); }
    void ShowMessage(const char* text, const char* caption) override {
        log.push_back("box " + std::string(caption) + ": " + text);
    }
    bool AskYesNo(const char* text, const char* caption) override {
        log.push_back("ask " + std::string(caption) + ": " + text);
        pickShownWhileAsked = control->Picker().HasSelection();
        return answerYes;
    }
    bool NotationShown() override { return notation; }
    void ShowBoard() override {
        notation = false;
        log.push_back("board");
    }
    void Repaint(bool erase) override { log.push_back(erase ? "repaint erased" : "repaint"); }
    std::string ChooseLegalMove(CGameFacade*) override {
        log.push_back("list");
        return listMove;
    }
    std::string TypeMove() override { return typedMove; }
    void ComputerMove() override {
        log.push_back("computer");
        pickShownWhileThinking = control->Picker().HasSelection();
    }

    CGameFacade facade;
    CMoveEntryControl* control = nullptr;
    long gameNumber = 1;
    bool notation = false;
    bool answerYes = false;
    std::string listMove;
    std::string typedMove;
    std::vector<std::string> log;
    bool pickShownWhileAsked = false;
    bool pickShownWhileThinking = true;
};

class MoveEntryControlTest : public testing::Test {
protected:
    MoveEntryControlTest() { view.control = &control; }

    // Clicks the middle of a square given by its name, board not turned.
    void Click(const char* square, bool leftOnly = true) {
        const int column = square[0] - 'a', row = '8' - square[1];
        control.OnBoardClick(leftOnly, column * kEntrySquare + kEntrySquare / 2, row * kEntrySquare + kEntrySquare / 2, kEntrySize, kEntrySize);
    }
    int Ply() { return view.facade.GetGame()->GetPly(); }

    FakeView view;
    CMoveEntryControl control{view};
};

}  // namespace

TEST_F(MoveEntryControlTest, TwoClicksPlayAMoveAndTheComputerAnswersWithThePickDropped) {
    control.SetAutoReply(1);
    Click("e2");
    EXPECT_TRUE(control.Picker().HasSelection());
    Click("e4");
    EXPECT_EQ(Ply(), 1);
    EXPECT_EQ(view.log, (std::vector<std::string>{"repaint", "repaint", "computer"}));
    EXPECT_FALSE(view.pickShownWhileThinking);

    view.log.clear();
    control.SetAutoReply(0);
    Click("e7");
    Click("e5");
    EXPECT_EQ(Ply(), 2);
    EXPECT_EQ(view.log, (std::vector<std::string>{"repaint", "repaint"}));
}

TEST_F(MoveEntryControlTest, ARefusedClickMoveAsksWithThePickShownAndDropsItAfterwards) {
    Click("e2");
    view.log.clear();
    Click("e5");
    EXPECT_EQ(Ply(), 0);
    EXPECT_EQ(view.log,
              (std::vector<std::string>{
                  "status Ungültiger Zug: e2e5",
                  "ask Ungültiger Zug !: Ungültiger Zug: e2e5\n\nMöchtenSie einen anderen von der Liste wählen?\n",
                  "repaint"}));
    EXPECT_TRUE(view.pickShownWhileAsked);
    EXPECT_FALSE(control.Picker().HasSelection());
}

TEST_F(MoveEntryControlTest, YesToTheQuestionOpensTheListAndPlaysItsMove) {
    control.SetAutoReply(1);
    view.answerYes = true;
    view.listMove = "d2d4";
    Click("e2");
    Click("e5");
    EXPECT_EQ(Ply(), 1);
    ASSERT_GE(view.log.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(view.log.end() - 3, view.log.end()),
              (std::vector<std::string>{"list", "repaint", "computer"}));
}

TEST_F(MoveEntryControlTest, ClicksThatMakeNoMove) {
    // The notation shown: back to the board, nothing picked.
    view.notation = true;
    Click("e2");
    EXPECT_EQ(view.log, (std::vector<std::string>{"board"}));
    EXPECT_FALSE(control.Picker().HasSelection());

    // Shift or Ctrl held: nothing.
    view.log.clear();
    Click("e2", false);
    EXPECT_TRUE(view.log.empty());

    // A new game since the pick: the old pick does not combine with the click.
    Click("e2");
    view.gameNumber = 2;
    view.log.clear();
    Click("e4");
    EXPECT_EQ(Ply(), 0);
    EXPECT_TRUE(control.Picker().HasSelection());
}

TEST_F(MoveEntryControlTest, AfterTheGameEndsClicksAndTheListShowTheResult) {
    for (const char* move : {"f3", "e5", "g4", "Qh4"}) ASSERT_STREQ(view.facade.EnterMove(move), "");
    const std::string result = "0-1 {Schwarz setzt matt und gewinnt}";
    Click("e2");
    control.OnLegalMoves();
    const std::string box = std::string("box ") + CThinkingControl::kGameOverCaption + ": " + result;
    EXPECT_EQ(view.log, (std::vector<std::string>{"status " + result, box, "status " + result, box}));
}

TEST_F(MoveEntryControlTest, TypedMoves) {
    // Nothing typed, or the dialog cancelled.
    control.OnEnterMove();
    EXPECT_TRUE(view.log.empty());

    // The automatic answer is on from the start.
    view.typedMove = "Nf3";
    control.OnEnterMove();
    EXPECT_EQ(Ply(), 1);
    EXPECT_EQ(view.log, (std::vector<std::string>{"repaint", "computer"}));

    view.log.clear();
    view.typedMove = "Ke2";
    control.OnEnterMove();
    EXPECT_EQ(Ply(), 1);
    ASSERT_EQ(view.log.size(), 2u);
    EXPECT_EQ(view.log[0].rfind("status ", 0), 0u);
    EXPECT_EQ(view.log[1], "box Zug: " + view.log[0].substr(7));
}

TEST_F(MoveEntryControlTest, FlippingDropsThePickAndRepaintsErased) {
    Click("e2");
    view.log.clear();
    control.OnFlipBoard();
    EXPECT_TRUE(control.Picker().IsFlipped());
    EXPECT_FALSE(control.Picker().HasSelection());
    EXPECT_EQ(view.log, (std::vector<std::string>{"repaint erased"}));
}
