#include "app/core/view/viewcontroller.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/dialogs/settingsdlglogic.h"
#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"
#include "app/core/view/framelink.h"
#include "app/core/view/viewplatform.h"
#include "app/core/access/boardcursor.h"
#include "app/core/access/notationreader.h"
#include "app/core/view/viewsurface.h"
#include "engine/messagepump.h"
#include "game/gamefacade.h"
#include "notation/gametags.h"

namespace {

constexpr int kCanvasSize = 400;  // a square is 50 pixels

// Records, one line a call, what the controller asks of the platform, of
// the frame it is attached to, of the device it paints on and, through the
// document, of the clipboard; answers as told. The document's boxes are the view's.
class FakePlatform : public IViewPlatform, public IFrameLink, public IViewSurface, public CDocumentPlatform {
public:
    FakePlatform() { document.OnNewDocument(); }

    // The view attached to the document and to this as its frame, as a shell does.
    void Attach(CViewController& view) {
        view.SetDocument(&document);
        view.SetFrame(this);
    }

    // IFrameLink
    void EnterThinking() override { ++scopeDepth; }
    void LeaveThinking() override { --scopeDepth; }
    void SetStatusText(const char* text) override { Log("status " + std::string(text)); }

    // IViewPlatform
    void Repaint(bool erase) override { Log(erase ? "repaint erased" : "repaint"); }
    void SetScrolledSize(int width, int height) override {
        Log("scroll " + std::to_string(width) + "x" + std::to_string(height));
        if (width == 0 && height == 0) this->width += scrollBarWidth;
    }
    void ShowMessage(const char* text, const char* caption) override {
        Log("box " + std::string(caption) + ": " + text);
    }
    bool AskYesNo(const char* text, const char* caption) override {
        Log("ask " + std::string(caption) + ": " + text);
        return false;
    }
    bool MessageBoxShowing() override { return boxShowing; }
    void WaitCursor(int step) override { waitCursor += step; }
    std::string ChooseLegalMove(CGameFacade*) override {
        Log("list");
        return std::string();
    }
    std::string TypeMove() override {
        Log("type");
        return typedMove;
    }
    void EditSettings(CSettingsDlgLogic& settings) override {
        Log("settings " + std::to_string(settings.m_autoReply) + " " + std::to_string(settings.m_level));
        settings.m_autoReply = newAutoReply;
        settings.m_level = newLevel;
    }
    bool OpenAddress(const char* address) override {
        Log("open " + std::string(address));
        return addressOpens;
    }

    // IViewSurface: texts five pixels a character and ten high at any size.
    int Width() override { return width; }
    int Height() override { return height; }
    int TextHeight(const char*) override { return 10; }
    int TextWidth(const char* text) override { return 5 * static_cast<int>(std::strlen(text)); }
    void SetFontPoints(int) override {}
    void WriteText(int, int, const char* text) override { Log("text " + std::string(text)); }
    bool DrawBoard(const CGameFacade&, const CSquarePicker& picker, const CBoardCursor& cursor) override {
        Log(std::string(picker.HasSelection() ? "board picked" : "board") + (cursor.Shown() ? " cursor" : ""));
        return boardDrawn;
    }

    // CDocumentPlatform
    void SetTitle(const char*) override {}
    std::string ClipboardText() override {
        Log("paste");
        return std::string();
    }
    bool SetClipboardText(const std::string&) override {
        Log("copy");
        return true;
    }
    void DocumentChanged() override {}

    CGameFacade* Game() { return document.GetFacade(); }

    void Log(const std::string& line) {
        log.push_back(line);
        if (scopeDepth > deepestScope) deepestScope = scopeDepth;
    }
    // The lines that begin with the prefix.
    std::vector<std::string> Lines(const std::string& prefix) const {
        std::vector<std::string> lines;
        for (const std::string& line : log)
            if (line.rfind(prefix, 0) == 0) lines.push_back(line);
        return lines;
    }

    CGameDocument document{this};
    bool boxShowing = false;
    bool boardDrawn = true;
    bool addressOpens = true;
    std::string typedMove;
    int newAutoReply = 1;
    uint16_t newLevel = CSettingsDlgLogic::kDefaultLevel;
    int scopeDepth = 0;
    int deepestScope = 0;
    int waitCursor = 0;
    int width = kCanvasSize;
    int height = kCanvasSize;
    // What the area gains when the room to scroll goes.
    int scrollBarWidth = 0;
    std::vector<std::string> log;
};

class ViewControllerTest : public testing::Test {
protected:
    void SetUp() override { platform.Attach(view); }
    void TearDown() override {
        EXPECT_EQ(platform.scopeDepth, 0) << "every thinking scope is left";
        EXPECT_EQ(platform.waitCursor, 0) << "the wait cursor is left as it was found";
        TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
    }

    void Paint(int width = kCanvasSize, int height = kCanvasSize) {
        platform.width = width;
        platform.height = height;
        view.Paint(platform);
    }
    // Clicks the middle of a square given by its name, board not turned.
    void Click(const char* square, const MouseButtons& held = MouseButtons()) {
        const int column = square[0] - 'a', row = '8' - square[1];
        view.OnBoardClick(held, column * kCanvasSize / 8 + kCanvasSize / 16, row * kCanvasSize / 8 + kCanvasSize / 16, kCanvasSize, kCanvasSize);
    }

    FakePlatform platform;
    CViewController view{platform};
};

}  // namespace

// The view hands on what was held with the click: only the left button
// alone picks a piece.
TEST_F(ViewControllerTest, AClickWithAModifierHeldPicksNothing) {
    MouseButtons shift;
    shift.shift = true;
    Click("e2", shift);
    EXPECT_FALSE(view.Picker().HasSelection());
    MouseButtons right;
    right.right = true;
    Click("e2", right);
    EXPECT_FALSE(view.Picker().HasSelection());
    Click("e2");
    EXPECT_TRUE(view.Picker().HasSelection());
}

// The display mode's three values and what moves between them; the board
// comes back on an erased area, and a command that changes nothing asks
// for no paint.
TEST_F(ViewControllerTest, NotationModeFollowsItsCommandsAndPrinting) {
    enum Event { kToggle, kClick, kComputer, kBeginPrint, kEndPrint };
    const int board = CViewController::kBoardNotation, user = CViewController::kUserNotation,
              print = CViewController::kPrintNotation;
    const struct {
        std::vector<Event> events;
        int mode;
    } cases[] = {
        {{kToggle}, user},
        {{kToggle, kToggle}, board},
        {{kToggle, kClick}, board},
        {{kToggle, kComputer}, board},
        {{kBeginPrint}, print},
        {{kBeginPrint, kEndPrint}, board},
        {{kBeginPrint, kToggle}, board},
        {{kBeginPrint, kClick}, board},
        {{kToggle, kBeginPrint}, user},
        {{kToggle, kBeginPrint, kEndPrint}, user},
        {{kEndPrint}, board},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        // Mated already: the computer's command only shows the box.
        for (const char* move : {"f2f3", "e7e5", "g2g4", "d8h4"}) ASSERT_STREQ(platform.Game()->EnterMove(move), "");
        CViewController view(platform);
        platform.Attach(view);
        std::string trace;
        for (Event event : c.events) {
            trace += std::to_string(event) + " ";
            switch (event) {
                case kToggle: view.OnCommand(cmd::kToggleNotation); break;
                case kClick: view.OnBoardClick(MouseButtons(), 10, 10, kCanvasSize, kCanvasSize); break;
                case kComputer: view.OnCommand(cmd::kComputerMove); break;
                case kBeginPrint: view.BeginPrinting(); break;
                case kEndPrint: view.EndPrinting(); break;
            }
        }
        EXPECT_EQ(view.ShowNotation(), c.mode) << trace;
        EXPECT_EQ(view.NotationShown(), c.mode != board) << trace;
        EXPECT_EQ(view.ShowsBoard(), c.mode == board) << trace;
        // Every change of the mode repaints on an erased background.
        for (const std::string& line : platform.Lines("repaint")) EXPECT_EQ(line, "repaint erased") << trace;
    }
}

// The board's paint: the room a notation took goes first, then the board
// with the pick, then the game's status text when the paint is due to
// write it (CPaintStatus).
TEST_F(ViewControllerTest, BoardPaintWritesTheStatusTextWhenDue) {
    Paint();
    EXPECT_EQ(platform.log, (std::vector<std::string>{"scroll 0x0", "board", "status Weiss ist am Zug"}));

    // A paint the toolkit makes for its own reasons leaves the text alone.
    platform.log.clear();
    Paint();
    EXPECT_EQ(platform.log, (std::vector<std::string>{"scroll 0x0", "board"}));

    // A pick repaints, and that paint writes it again.
    platform.log.clear();
    Click("e2");
    Paint();
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"repaint", "scroll 0x0", "board picked", "status Weiss ist am Zug"}));

    // A new size writes it.
    platform.log.clear();
    Paint(kCanvasSize, kCanvasSize / 2);
    EXPECT_EQ(platform.Lines("status"), (std::vector<std::string>{"status Weiss ist am Zug"}));

    // A command's own text stays while its box is up; a repaint asked for
    // before waits for the box to go.
    platform.log.clear();
    view.Repaint(false);
    view.SetStatusText("Kurz - Hilfe");
    platform.boxShowing = true;
    Paint(kCanvasSize, kCanvasSize / 2);
    EXPECT_EQ(platform.Lines("status"), (std::vector<std::string>{"status Kurz - Hilfe"}));
    platform.boxShowing = false;
    Paint(kCanvasSize, kCanvasSize / 2);
    EXPECT_EQ(platform.Lines("status"), (std::vector<std::string>{"status Kurz - Hilfe", "status Weiss ist am Zug"}));

    // Without a picture (its bitmaps failed) nothing is written.
    platform.log.clear();
    platform.boardDrawn = false;
    view.Repaint(false);
    Paint();
    EXPECT_TRUE(platform.Lines("status").empty());
}

// The paint that takes the notation's scroll bar away measures the area
// without it, so the next paint at that size is no new size.
TEST_F(ViewControllerTest, BoardPaintMeasuresTheAreaWithoutTheNotationsScrollBar) {
    Paint();
    view.OnCommand(cmd::kToggleNotation);
    Paint();
    view.OnCommand(cmd::kToggleNotation);
    platform.scrollBarWidth = 15;
    platform.log.clear();
    view.Paint(platform);
    EXPECT_EQ(platform.Lines("status"), (std::vector<std::string>{"status Weiss ist am Zug"}));
    platform.scrollBarWidth = 0;
    platform.log.clear();
    view.Paint(platform);
    EXPECT_TRUE(platform.Lines("status").empty());
}

// A new game since the pick: the paint shows none.
TEST_F(ViewControllerTest, PaintAfterANewGameShowsNoPick) {
    Click("e2");
    platform.document.OnNewDocument();
    platform.log.clear();
    view.OnDocumentChanged();
    Paint();
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"repaint erased", "scroll 0x0", "board", "status Weiss ist am Zug"}));
}

// The notation's paint writes the record's lines, no status text, and
// gives the room they take to scroll over; printing draws the same lines.
TEST_F(ViewControllerTest, NotationPaintWritesTheLinesAndTheirRoom) {
    ASSERT_STREQ(platform.Game()->EnterMove("e2e4"), "");
    view.OnCommand(cmd::kToggleNotation);
    platform.log.clear();
    Paint();
    const std::vector<std::string> texts = platform.Lines("text ");
    ASSERT_EQ(texts.size(), 8u) << "seven tags and one move line";
    EXPECT_EQ(texts.back(), "text 1.e4  * ");
    EXPECT_TRUE(platform.Lines("status").empty());
    EXPECT_TRUE(platform.Lines("board").empty());
    ASSERT_FALSE(platform.log.empty());
    const CNotationLayout::Extent extent = view.DrawNotation(platform, kCanvasSize);
    EXPECT_GT(extent.height, 0);
    EXPECT_EQ(platform.log.back(), "text 1.e4  * ");
    EXPECT_EQ(platform.Lines("scroll"), (std::vector<std::string>{"scroll " + std::to_string(extent.width) + "x" +
                                                                  std::to_string(extent.height)}));
}

// The commands that may end in the computer's thinking run inside the
// frame's thinking scope; the others do not.
TEST_F(ViewControllerTest, CommandsThatMayThinkHoldTheThinkingScope) {
    const struct {
        int id;
        bool scoped;
    } cases[] = {
        {cmd::kFlipBoard, false},  {cmd::kToggleNotation, false}, {cmd::kSettings, false},
        {cmd::kEnterMove, true},   {cmd::kLegalMoves, true},      {cmd::kComputerMove, true},
        {cmd::kSuggestion, true},  {cmd::kEditCopy, false},       {cmd::kEditPaste, false},
        {cmd::kHomepage, false},
    };
    ASSERT_EQ(sizeof cases / sizeof cases[0], static_cast<size_t>(CViewController::kCommandCount));
    for (const auto& c : cases) {
        platform.deepestScope = 0;
        // Level 1, so that the thinking commands take little time.
        platform.newLevel = dlg::kLevel1;
        view.OnCommand(cmd::kSettings);
        platform.deepestScope = 0;
        EXPECT_TRUE(view.OnCommand(c.id)) << c.id;
        EXPECT_EQ(platform.deepestScope, c.scoped ? 1 : 0) << c.id;
        EXPECT_EQ(platform.scopeDepth, 0) << c.id;
    }
    platform.deepestScope = 0;
    Click("e2");
    EXPECT_EQ(platform.deepestScope, 1) << "a click";
    platform.deepestScope = 0;
    view.OnLegalMoves();
    EXPECT_EQ(platform.deepestScope, 1) << "the list from the frame";
}

// The edit commands go to the document; the commands of the frame, the
// document and the application are not the view's.
TEST_F(ViewControllerTest, EditCommandsGoToTheDocumentOthersAreNotTheViews) {
    view.OnCommand(cmd::kEditCopy);
    view.OnCommand(cmd::kEditPaste);
    for (int id : {cmd::kFileNew, cmd::kFileSave, cmd::kFilePrint, cmd::kShortHelp, cmd::kAppAbout, cmd::kEditUndo,
                   cmd::kViewToolbar, 0}) {
        EXPECT_FALSE(view.OnCommand(id)) << id;
    }
    // An empty clipboard: the document shows what it found, and stops.
    EXPECT_EQ(platform.log, (std::vector<std::string>{"copy", "paste",
                                                      std::string("box ") + CGameDocument::kPasteCaption + ": "}));
}

// While the shell has no document (wx's docview, for a moment) the view
// has no game: no number, the program's pump, and the commands that need
// the game leave it alone; the board is not drawn.
TEST_F(ViewControllerTest, WithoutADocumentTheViewHasNoGame) {
    view.SetDocument(nullptr);
    EXPECT_EQ(view.Facade(), nullptr);
    EXPECT_EQ(view.Pump(), &TheMessagePump());
    EXPECT_EQ(view.GameNumber(), CViewController::kNoGame);

    for (int id : {cmd::kEditCopy, cmd::kEditPaste, cmd::kComputerMove, cmd::kSuggestion, cmd::kLegalMoves}) {
        platform.log.clear();
        EXPECT_TRUE(view.OnCommand(id)) << id;
        EXPECT_EQ(platform.log, std::vector<std::string>()) << id;
    }
    Click("e2");
    Click("e4");
    platform.log.clear();
    Paint();
    EXPECT_EQ(platform.log, (std::vector<std::string>{"scroll 0x0"}));

    // The document back: its game, untouched, and its number.
    view.SetDocument(&platform.document);
    EXPECT_EQ(view.Facade(), platform.document.GetFacade());
    EXPECT_EQ(view.GameNumber(), platform.document.GameNumber());
    EXPECT_EQ(platform.Game()->GetGame()->GetPly(), 0);
}

// The dialog shows the view's settings and the view takes what it leaves.
TEST_F(ViewControllerTest, SettingsDialogRoundTrip) {
    EXPECT_EQ(view.AutoReply(), 1);
    EXPECT_EQ(view.Level(), EngineLevel::kLevel3);
    platform.newAutoReply = 0;
    platform.newLevel = dlg::kLevel1;
    view.OnCommand(cmd::kSettings);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"settings 1 1015"}));
    EXPECT_EQ(view.AutoReply(), 0);
    EXPECT_EQ(view.Level(), EngineLevel::kLevel1);

    // The automatic answer off: a typed move is not answered.
    platform.typedMove = "e4";
    view.OnCommand(cmd::kEnterMove);
    EXPECT_EQ(platform.Game()->GetGame()->GetPly(), 1);

    platform.log.clear();
    platform.newAutoReply = 1;
    platform.newLevel = dlg::kLevel4;
    view.OnCommand(cmd::kSettings);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"settings 0 1013"}));
    EXPECT_EQ(view.Level(), EngineLevel::kLevel4);
}

// The computer's move takes the level and repaints; the view's level goes
// to the thinking driver.
TEST_F(ViewControllerTest, ComputerMoveRepaintsWithItsStatus) {
    platform.newLevel = dlg::kLevel1;
    view.OnCommand(cmd::kSettings);
    platform.log.clear();
    view.OnCommand(cmd::kComputerMove);
    EXPECT_EQ(platform.Game()->GetGame()->GetPly(), 1);
    const std::vector<std::string> status = platform.Lines("status");
    ASSERT_EQ(status.size(), 3u);
    EXPECT_EQ(status[0], "status Der Computer denkt");
    EXPECT_EQ(status[1], "status Computer ist am Denken ..");
    EXPECT_EQ(status[2].rfind("status Computer zieht ", 0), 0u);
    EXPECT_EQ(platform.log.back(), "repaint");
}

// The homepage in the browser; where the system cannot open it, a box says so.
TEST_F(ViewControllerTest, HomepageThatCannotBeOpenedIsReported) {
    const std::string open = std::string("open ") + CMainFrameTexts::kHomepage;
    view.OnCommand(cmd::kHomepage);
    EXPECT_EQ(platform.log, (std::vector<std::string>{open}));

    platform.log.clear();
    platform.addressOpens = false;
    view.OnCommand(cmd::kHomepage);
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{open, std::string("box ") + CMainFrameTexts::kWindowTitle +
                                                   ": Die Homepage kann nicht geöffnet werden:\n" +
                                                   CMainFrameTexts::kHomepage}));
}

// What the accessibility interface was told, a line a call.
class FakeAccess : public IAccessPlatform {
public:
    void FocusCell(int cell) override { log.push_back("focus " + std::to_string(cell)); }
    void CellsChanged() override { log.push_back("cells"); }
    void Announce(const std::string& text) override { log.push_back("say " + text); }
    void NotationShown(bool shown) override { log.push_back(shown ? "notation" : "board"); }
    void NotationLine(int line, bool jumped) override {
        log.push_back((jumped ? "jump " : "line ") + std::to_string(line));
    }
    std::vector<std::string> log;
};

// The hint at the first focus waits for a screen reader to hear it: a
// shell makes its platform only when one asks, after the focus came. A game
// opened before then is told by its last move.
TEST(ViewControllerAccessTest, TheKeysHintIsSaidOnceToAScreenReader) {
    const struct {
        std::vector<const char*> moves;
        const char* focus;
        const char* hint;
    } cases[] = {
        {{}, "focus 52", "say Schachbrett, Weiß am Zug. Taste H: Hilfe"},
        {{"e2e4", "e7e5"}, "focus 28", "say Schachbrett, Weiß am Zug. Schwarz: Bauer e7 nach e5. Taste H: Hilfe"},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        for (const char* move : c.moves) ASSERT_STREQ(platform.Game()->EnterMove(move), "");
        CViewController view(platform);
        platform.Attach(view);
        view.Access().OnFocus();
        FakeAccess access;
        view.Access().SetPlatform(&access);
        view.Access().OnFocus();
        view.Access().OnFocus();
        EXPECT_EQ(access.log, (std::vector<std::string>{c.focus, c.hint, c.focus}));
        view.Access().SetPlatform(nullptr);
    }
}

// A game's first moves by keys alone: the cursor starts on e2, Enter picks
// and moves as clicks do, the computer's answer is announced, a refused
// target is the click's refusal, the cursor is drawn only after a key and
// until the next click, and the board's keys leave the notation alone.
TEST_F(ViewControllerTest, KeysPlayAMoveThatIsAnnouncedWithTheComputersAnswer) {
    FakeAccess access;
    view.Access().SetPlatform(&access);
    platform.newLevel = dlg::kLevel1;
    view.OnCommand(cmd::kSettings);
    view.Paint(platform);
    EXPECT_EQ(platform.Lines("board").back(), "board") << "no cursor before a key";

    view.Access().OnFocus();
    EXPECT_EQ(view.Access().CellName(view.Access().FocusedCell()), "e2, weißer Bauer");
    for (int key : {CBoardKeys::kEnter, CBoardKeys::kUp, CBoardKeys::kUp, CBoardKeys::kSpace})
        EXPECT_TRUE(view.OnBoardKey(key)) << key;
    ASSERT_EQ(platform.Game()->GetGame()->GetPly(), 2) << "e2e4 and the computer's answer";
    std::vector<std::string> said;
    for (const std::string& line : access.log)
        if (line.rfind("say ", 0) == 0) said.push_back(line);
    ASSERT_EQ(said.size(), 4u);
    EXPECT_EQ(said[0], "say Schachbrett, Weiß am Zug. Taste H: Hilfe");
    EXPECT_EQ(said[1], "say e2, weißer Bauer, ausgewählt");
    EXPECT_EQ(said[2], "say Weiß: Bauer e2 nach e4");
    EXPECT_EQ(said[3].rfind("say Schwarz: ", 0), 0u) << said[3];
    EXPECT_EQ(view.Access().CellName(4 * 8 + 4), "e4, weißer Bauer");
    view.Paint(platform);
    EXPECT_EQ(platform.Lines("board").back(), "board cursor");

    // e4 to e6 is refused with the click's question, spoken by the box itself.
    platform.log.clear();
    for (int key : {CBoardKeys::kEnter, CBoardKeys::kUp, CBoardKeys::kUp, CBoardKeys::kEnter}) view.OnBoardKey(key);
    ASSERT_EQ(platform.Lines("ask").size(), 1u);
    EXPECT_EQ(platform.Lines("ask")[0].rfind("ask Ungültiger Zug !: Ungültiger Zug: e4e6", 0), 0u);
    EXPECT_FALSE(view.OnBoardKey(CBoardKeys::kEscape)) << "nothing picked: Escape is not the board's";
    EXPECT_FALSE(view.OnBoardKey('Q'));

    const MouseButtons left{};
    view.OnBoardClick(left, 10, 10, kCanvasSize, kCanvasSize);
    view.Paint(platform);
    EXPECT_EQ(platform.Lines("board").back(), "board picked") << "a click hides the cursor";
    EXPECT_TRUE(view.OnBoardKey(CBoardKeys::kEscape));
    EXPECT_FALSE(view.Picker().HasSelection());

    view.OnCommand(cmd::kToggleNotation);
    EXPECT_FALSE(view.OnBoardKey(CBoardKeys::kUp)) << "the notation scrolls with the arrows";
    view.Access().SetPlatform(nullptr);
}

// Each command that changes what the board means says so, and only to the
// screen reader: F7 which side is at the bottom, Escape the dropped pick, a
// move-entry dialog closed without a move, the notation both ways; in the
// notation the keys that scroll it move its line cursor, and the text is
// exactly the lines drawn.
TEST_F(ViewControllerTest, CommandsSayWhatTheyChangedAndTheNotationIsReadByLines) {
    FakeAccess access;
    view.Access().SetPlatform(&access);
    platform.newAutoReply = 0;
    view.OnCommand(cmd::kSettings);
    platform.typedMove = "e4";
    view.OnCommand(cmd::kEnterMove);
    platform.typedMove = "";
    const std::string event = "[Event \"Torvo Computer Game\"]", site = "[Site \"?\"]";
    const struct {
        int command;  // or 0 for a key
        int key;
        std::vector<std::string> told;
        int line;  // the notation's cursor after it, -1 while the board is shown
    } steps[] = {
        {cmd::kFlipBoard, 0, {"cells", "say Brett gedreht, Schwarz unten"}, -1},
        {cmd::kFlipBoard, 0, {"cells", "say Brett gedreht, Weiß unten"}, -1},
        {0, CBoardKeys::kEnter, {"say e4, weißer Bauer, ausgewählt", "cells"}, -1},
        {0, CBoardKeys::kEscape, {"cells", "say Auswahl aufgehoben"}, -1},
        {cmd::kEnterMove, 0, {"say Kein Zug gespielt"}, -1},
        {cmd::kToggleNotation, 0, {"notation", "say Notation angezeigt. " + event + ". " + site}, 0},
        {0, CBoardKeys::kDown, {"line 1"}, 1},
        {0, CBoardKeys::kUp, {"line 0"}, 0},
        {0, CBoardKeys::kUp, {"line 0"}, 0},
        {0, CBoardKeys::kEnd, {"jump 7"}, 7},
        {0, CBoardKeys::kDown, {"line 7"}, 7},
        {0, CBoardKeys::kHome, {"jump 0"}, 0},
        {cmd::kToggleNotation, 0, {"board", "say Brett angezeigt. Schachbrett, Schwarz am Zug"}, -1},
    };
    for (const auto& step : steps) {
        access.log.clear();
        if (step.command != 0)
            view.OnCommand(step.command);
        else
            view.OnBoardKey(step.key);
        std::vector<std::string> told;
        for (const std::string& line : access.log)
            if (line.rfind("focus", 0) != 0) told.push_back(line);
        EXPECT_EQ(told, step.told) << step.command << " " << step.key;
        EXPECT_EQ(view.NotationShown(), step.line >= 0);
        if (step.line >= 0) {
            EXPECT_EQ(view.Access().Notation().Cursor(), step.line);
        }
        if (step.line == 0) {
            // The text is the lines drawn, and its offsets count characters.
            const CNotationReader& notation = view.Access().Notation();
            platform.log.clear();
            view.Paint(platform);
            std::string drawn;
            for (const std::string& line : platform.Lines("text ")) drawn += (drawn.empty() ? "" : "\n") + line.substr(5);
            EXPECT_EQ(notation.Text(), drawn);
            ASSERT_EQ(notation.LineCount(), 8);
            EXPECT_EQ(notation.Line(7), "1.e4  * ");
            EXPECT_EQ(notation.LineStart(1), static_cast<int>(event.size()) + 1);
            EXPECT_EQ(notation.LineAt(notation.LineStart(1) - 1), 0) << "a line's end is its own";
            EXPECT_EQ(notation.LineAt(notation.LineStart(7)), 7);
            EXPECT_EQ(notation.CharCount(), static_cast<int>(drawn.size()));
        }
    }
    EXPECT_EQ(view.Access().BoardName(), "Schachbrett, Schwarz am Zug");
    view.OnCommand(cmd::kToggleNotation);
    EXPECT_EQ(view.Access().BoardName(), "Partienotation") << "the board is not named while it is not shown";
    view.Access().SetPlatform(nullptr);
}
