#include "app/core/frame/framecontroller.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/dialogs/settingsdlglogic.h"
#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"
#include "app/core/document/recentfiles.h"
#include "app/core/frame/shorthelp.h"
#include "app/core/view/viewcontroller.h"
#include "app/core/view/viewplatform.h"
#include "app/core/access/boardcursor.h"
#include "app/core/view/viewsurface.h"
#include "app/tempfolder.h"
#include "engine/messagepump.h"
#include "game/game.h"
#include "game/gamefacade.h"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The main window with its document and view as a shell wires them: the
// view attached to its document and to the frame's controller, which takes
// its status texts and thinking scopes. The frame, the view and the
// document each ask it for the toolkit's part, and it records every call as
// a line.
class FakeWindow : public IFramePlatform, public IViewPlatform, public CDocumentPlatform {
public:
    explicit FakeWindow(const fs::path& folder)
        : reports((folder / "status.log").u8string(), std::string(), (folder / "panes.txt").u8string()) {
        document.UseRecentFiles(&recent);
        document.OnNewDocument();
        view.SetDocument(&document);
        frame.AttachView(&view);
        log.clear();
    }

    // IFramePlatform
    void SetPaneText(int pane, const char* text) override {
        paneTexts[pane] = text;
        Log("pane " + std::to_string(pane) + " " + text);
    }
    bool LockKeyOn(int pane) override { return systemLocks[pane]; }
    bool MeasurePane(int pane, CReportFiles::Pane* measured) override {
        ++measures;
        if (!barOnScreen) return false;
        measured->room = {100 * pane, 580, 40, 18};
        measured->textWidth = 10 * static_cast<int>(measured->text.size());
        return true;
    }
    bool BarShown(Bar bar) override { return shown[bar]; }
    void ShowBar(Bar bar, bool show) override {
        shown[bar] = show;
        Log(std::string(bar == kToolbar ? "toolbar " : "status bar ") + (show ? "shown" : "hidden"));
    }
    void ShowMessage(const char* text, const char* caption) override {
        boxTexts.push_back(text);
        Log("box " + std::string(caption));
    }
    void ShowAbout() override { Log("about"); }
    void Print() override { Log("print"); }
    void PrintPreview() override { Log("preview"); }
    void PrintSetup() override { Log("print setup"); }
    void CloseWindow() override { Log("close"); }
    void CloseLater() override { Log("close later"); }

    // IViewPlatform
    void Repaint(bool erase) override { Log(erase ? "repaint erased" : "repaint"); }
    void SetScrolledSize(int, int) override {}
    bool AskYesNo(const char*, const char* caption) override {
        Log("ask " + std::string(caption));
        if (whileModal) whileModal();
        return false;
    }
    bool MessageBoxShowing() override { return false; }
    void WaitCursor(int) override {}
    std::string ChooseLegalMove(CGameFacade*) override {
        Log("list");
        return std::string();
    }
    std::string TypeMove() override {
        Log("type");
        if (whileModal) whileModal();
        return std::string();
    }
    void EditSettings(CSettingsDlgLogic& settings) override {
        Log("settings");
        settings.m_autoReply = autoReply;
    }
    bool OpenAddress(const char* address) override {
        Log("open " + std::string(address));
        return true;
    }

    // CDocumentPlatform
    void SetTitle(const char* title) override { Log("title " + std::string(title)); }
    std::string ClipboardText() override {
        Log("clipboard read");
        return std::string();
    }
    bool SetClipboardText(const std::string&) override {
        Log("clipboard written");
        return true;
    }
    void DocumentChanged() override { Log("game replaced"); }
    bool AskOpenName(std::string*) override {
        Log("open dialog");
        return false;
    }
    bool AskSaveName(const std::string&, const std::string& name, std::string*) override {
        Log("save dialog " + name);
        return false;
    }

    void Log(const std::string& line) { log.push_back(line); }
    // Fool's mate: every command that plays or thinks first says the game is over.
    void EndTheGame() {
        for (const char* move : {"f2f3", "e7e5", "g2g4", "d8h4"}) ASSERT_STREQ(document.GetFacade()->EnterMove(move), "") << move;
    }

    CMessagePump pump;
    CReportFiles reports;
    CFrameController frame{*this, reports, pump};
    CRecentFiles recent;
    CGameDocument document{this};
    CViewController view{*this};
    bool shown[2] = {true, true};
    bool systemLocks[CFrameController::kPaneCount] = {};
    bool barOnScreen = true;
    int measures = 0;
    std::string paneTexts[CFrameController::kPaneCount];
    std::vector<std::string> boxTexts;
    int autoReply = CSettingsDlgLogic::kDefaultAutoReply;
    // Run inside a modal dialog's or box's loop.
    std::function<void()> whileModal;
    std::vector<std::string> log;
};

class FrameControllerTest : public ::testing::Test {
protected:
    void TearDown() override { TheMessagePump().SetThinking(CMessagePump::kThinkingOff); }

    fs::path Path(const char* name) const { return m_folder / name; }

    TempFolder m_folder{"framecontroller_"};
    FakeWindow window{m_folder.Path()};
    CFrameController& frame = window.frame;
};

// A screen of kBoardSize pixels square that draws the board.
class FakeScreen : public IViewSurface {
public:
    static constexpr int kBoardSize = 400;

    int Width() override { return kBoardSize; }
    int Height() override { return kBoardSize; }
    int TextHeight(const char*) override { return 10; }
    int TextWidth(const char*) override { return 10; }
    void SetFontPoints(int) override {}
    void WriteText(int, int, const char*) override {}
    bool DrawBoard(const CGameFacade&, const CSquarePicker&, const CBoardCursor&) override { return true; }
};

struct RouteCase {
    const char* name;
    int id;
    bool gameOver;  // the game has ended before the command
    std::vector<std::string> log;
};

void PrintTo(const RouteCase& c, std::ostream* out) { *out << c.name; }

class CommandRoute : public FrameControllerTest, public ::testing::WithParamInterface<RouteCase> {};

}  // namespace

// Every command of the menu, the keys and the toolbar reaches the one place
// that carries it out: the document, the frame's platform, the view, or
// nobody for the keys the program gives no work.
TEST_P(CommandRoute, ReachesItsHandler) {
    const RouteCase& c = GetParam();
    window.recent.Add(Path("zwei.pgn").u8string());
    window.recent.Add(Path("eins.pgn").u8string());
    if (c.gameOver) window.EndTheGame();
    window.log.clear();
    EXPECT_TRUE(frame.OnCommand(c.id));
    EXPECT_EQ(window.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, CommandRoute,
    ::testing::Values(
        RouteCase{"New", cmd::kFileNew, false, {"title NeuesSpiel", "game replaced"}},
        RouteCase{"Open", cmd::kFileOpen, false, {"open dialog"}},
        // A new game has no file: saving asks for one, under the game's title.
        RouteCase{"Save", cmd::kFileSave, false, {"save dialog NeuesSpiel"}},
        RouteCase{"SaveAs", cmd::kFileSaveAs, false, {"save dialog NeuesSpiel"}},
        RouteCase{"Print", cmd::kFilePrint, false, {"print"}},
        RouteCase{"Preview", cmd::kFilePrintPreview, false, {"preview"}},
        RouteCase{"PrintSetup", cmd::kFilePrintSetup, false, {"print setup"}},
        // The second recent file does not exist: opening begins with a new
        // game, then the error box.
        RouteCase{"RecentFile", cmd::kFileMruFirst + 1, false, {"title NeuesSpiel", "game replaced", "box File - error"}},
        RouteCase{"Exit", cmd::kAppExit, false, {"close"}},
        RouteCase{"ShortHelp", cmd::kShortHelp, false, {"pane 0 Kurz - Hilfe", "box Anleitung"}},
        RouteCase{"About", cmd::kAppAbout, false, {"about"}},
        RouteCase{"Toolbar", cmd::kViewToolbar, false, {"toolbar hidden"}},
        RouteCase{"StatusBar", cmd::kViewStatusBar, false, {"status bar hidden"}},
        RouteCase{"Cut", cmd::kEditCut, false, {}},
        RouteCase{"Undo", cmd::kEditUndo, false, {}},
        RouteCase{"NextPane", cmd::kNextPane, false, {}},
        RouteCase{"PreviousPane", cmd::kPrevPane, false, {}},
        RouteCase{"FlipBoard", cmd::kFlipBoard, false, {"repaint erased"}},
        RouteCase{"ToggleNotation", cmd::kToggleNotation, false, {"repaint erased"}},
        RouteCase{"Settings", cmd::kSettings, false, {"settings"}},
        RouteCase{"EnterMove", cmd::kEnterMove, false, {"type"}},
        RouteCase{"LegalMoves", cmd::kLegalMoves, false, {"list"}},
        RouteCase{"LegalMovesAfterTheEnd", cmd::kLegalMoves, true,
                  {"pane 0 0-1 {Schwarz setzt matt und gewinnt}", "box Spielende"}},
        RouteCase{"ComputerMove", cmd::kComputerMove, true, {"box Spielende"}},
        RouteCase{"Suggestion", cmd::kSuggestion, true, {"box Spielende"}},
        RouteCase{"Copy", cmd::kEditCopy, false, {"clipboard written"}},
        // An empty clipboard: the document shows what it found, and stops.
        RouteCase{"Paste", cmd::kEditPaste, false, {"clipboard read", "box Einfügen des Spiels (PGN) vom Clipboard"}},
        RouteCase{"Homepage", cmd::kHomepage, false, {std::string("open ") + CMainFrameTexts::kHomepage}}));

TEST_F(FrameControllerTest, CommandsNobodyHandlesAreLeftToTheToolkit) {
    // Close and page setup have neither item nor key; the print without its
    // dialog is the start's alone.
    for (int id : {cmd::kFileClose, cmd::kFilePageSetup, cmd::kFilePrintDirect, cmd::kStringShortHelpTitle, 0, 12345})
        EXPECT_FALSE(frame.OnCommand(id)) << id;
    EXPECT_TRUE(window.log.empty());
}

TEST_F(FrameControllerTest, WithoutDocumentOrViewTheirCommandsDoNothing) {
    window.view.SetDocument(nullptr);
    for (int id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, cmd::kFileSaveAs, cmd::kFileMruFirst})
        EXPECT_TRUE(frame.OnCommand(id)) << id;
    EXPECT_TRUE(window.log.empty()) << "a view without a document";
    frame.AttachView(nullptr);
    window.view.SetStatusText("Weiss ist am Zug");
    EXPECT_TRUE(window.log.empty()) << "a view taken out of the frame reaches it no more";
    for (int id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, cmd::kFileSaveAs, cmd::kFileMruFirst})
        EXPECT_TRUE(frame.OnCommand(id)) << id;
    for (int id : {cmd::kFlipBoard, cmd::kLegalMoves, cmd::kEditCopy}) EXPECT_FALSE(frame.OnCommand(id)) << id;
    EXPECT_TRUE(window.log.empty());
    // The short help writes its status text itself, then shows the whole text.
    EXPECT_TRUE(frame.OnCommand(cmd::kShortHelp));
    EXPECT_EQ(window.log, (std::vector<std::string>{"pane 0 Kurz - Hilfe", "box Anleitung"}));
    EXPECT_EQ(window.boxTexts, std::vector<std::string>{CShortHelp::Text()});
}

TEST_F(FrameControllerTest, RecentFileThatFailsLeavesTheList) {
    window.recent.Add(Path("fehlt.pgn").u8string());
    std::ofstream(Path("da.pgn"), std::ios::binary) << "1.d4 *\n";
    window.recent.Add(Path("da.pgn").u8string());
    frame.OnCommand(cmd::kFileMruFirst + 1);
    ASSERT_EQ(window.recent.Count(), 1u);
    frame.OnCommand(cmd::kFileMruFirst);
    EXPECT_EQ(window.document.Title(), "da.pgn");
    EXPECT_EQ(window.document.GetFacade()->GetGame()->GetPly(), 1);
}

TEST_F(FrameControllerTest, BarsToggleAndTheirItemsShowIt) {
    EXPECT_TRUE(frame.IsChecked(cmd::kViewToolbar));
    frame.OnCommand(cmd::kViewToolbar);
    EXPECT_FALSE(frame.IsChecked(cmd::kViewToolbar));
    EXPECT_TRUE(frame.IsChecked(cmd::kViewStatusBar));
    frame.OnCommand(cmd::kViewToolbar);
    frame.OnCommand(cmd::kViewStatusBar);
    EXPECT_TRUE(frame.IsChecked(cmd::kViewToolbar));
    EXPECT_FALSE(frame.IsChecked(cmd::kViewStatusBar));
    EXPECT_EQ(window.log, (std::vector<std::string>{"toolbar hidden", "toolbar shown", "status bar hidden"}));
    EXPECT_FALSE(frame.IsChecked(cmd::kFlipBoard)) << "only the bars' items have a check mark";
}

// A close request while the computer thinks stops the search; the window
// closes once the outermost handler that may think has returned.
TEST_F(FrameControllerTest, CloseWhileThinkingWaitsForTheHandler) {
    window.pump.SetThinking(CMessagePump::kThinkingOn);
    frame.EnterThinking();
    frame.EnterThinking();
    EXPECT_FALSE(frame.OnClose(true));
    EXPECT_EQ(window.pump.Thinking(), CMessagePump::kThinkingOff);
    frame.LeaveThinking();
    EXPECT_TRUE(window.log.empty());
    frame.LeaveThinking();
    EXPECT_EQ(window.log, std::vector<std::string>{"close later"});
    // The close that comes then is carried out, and nothing waits any more.
    EXPECT_TRUE(frame.OnClose(true));
    frame.EnterThinking();
    frame.LeaveThinking();
    EXPECT_EQ(window.log.size(), 1u);
}

TEST_F(FrameControllerTest, CloseOutsideAnyHandlerWhileThinkingComesLater) {
    window.pump.SetThinking(CMessagePump::kThinkingOn);
    EXPECT_FALSE(frame.OnClose(true));
    EXPECT_EQ(window.pump.Thinking(), CMessagePump::kThinkingOff);
    EXPECT_EQ(window.log, std::vector<std::string>{"close later"});
}

TEST_F(FrameControllerTest, CloseThatCannotBeRefusedOrFindsNothingThinkingCloses) {
    EXPECT_TRUE(frame.OnClose(true));
    window.pump.SetThinking(CMessagePump::kThinkingOn);
    frame.EnterThinking();
    EXPECT_TRUE(frame.OnClose(false));
    frame.LeaveThinking();
    EXPECT_TRUE(window.log.empty());
}

// The user closes the window from the move-entry dialog's loop: the view's
// command holds the frame's scope, so the close waits for it.
TEST_F(FrameControllerTest, CloseDuringAViewCommandComesAfterIt) {
    window.whileModal = [this] {
        EXPECT_FALSE(frame.OnClose(true));
        EXPECT_EQ(window.log.back(), "type");
    };
    frame.OnCommand(cmd::kEnterMove);
    EXPECT_EQ(window.log, (std::vector<std::string>{"type", "close later"}));
}

// A click goes from the view's controller to the game and on to the frame's
// status bar with no shell in between: the toolkit is asked only to repaint,
// to show the pane's text and the box. The click holds the frame's thinking
// scope, so a close asked for while its box is up waits for it.
TEST_F(FrameControllerTest, ClickOnTheBoardReachesTheGameAndTheStatusBar) {
    window.autoReply = 0;
    window.view.OnCommand(cmd::kSettings);
    FakeScreen screen;
    const auto click = [this](int column, int row) {
        const int square = FakeScreen::kBoardSize / 8;
        window.view.OnBoardClick(MouseButtons(), column * square + square / 2, row * square + square / 2,
                                 FakeScreen::kBoardSize, FakeScreen::kBoardSize);
    };
    window.view.Paint(screen);
    window.log.clear();

    click(4, 6);  // e2
    click(4, 4);  // e4
    window.view.Paint(screen);
    EXPECT_EQ(window.document.GetFacade()->GetGame()->GetPly(), 1);
    EXPECT_EQ(window.log, (std::vector<std::string>{"repaint", "repaint", "pane 0 Schwarz ist am Zug"}));
    EXPECT_EQ(ReadBytes(Path("status.log")), "Weiss ist am Zug\nSchwarz ist am Zug\n");

    window.log.clear();
    window.whileModal = [this] { EXPECT_FALSE(frame.OnClose(true)); };
    click(3, 1);  // d7
    click(3, 5);  // d3, no move of a pawn
    EXPECT_EQ(window.document.GetFacade()->GetGame()->GetPly(), 1);
    ASSERT_EQ(window.log.size(), 5u);
    EXPECT_EQ(window.log[0], "repaint");
    EXPECT_EQ(window.log[1].rfind("pane 0 ", 0), 0u);
    EXPECT_EQ(window.log[2], std::string("ask ") + CMoveEntryControl::kInvalidMoveCaption);
    EXPECT_EQ(window.log[3], "repaint");
    EXPECT_EQ(window.log[4], "close later");
}

TEST_F(FrameControllerTest, PromptsForAnyItem) {
    const struct {
        int id;
        const char* prompt;
    } cases[] = {
        {cmd::kFileNew, "Neues Spiel starten"},
        {cmd::kFlipBoard, "Wechselt die Ansicht für schwarz oder weiss"},
        {cmd::kFileMruFirst, "Öffnet dieses Dokument"},
        {cmd::kFileMruFirst + 2, "Öffnet dieses Dokument"},
        {cmd::kViewStatusBar, "Anzeigen der Status Bar"},
        {CMainFrameTexts::kSeparator, ""},  // a separator or a menu's title
        {cmd::kEditCut, ""},
    };
    for (const auto& c : cases) {
        frame.OnCommandPointed(c.id);
        EXPECT_EQ(window.paneTexts[CFrameController::kMessagePane], c.prompt) << c.id;
    }
    frame.OnSystemItemPointed(CFrameController::kSystemSize);
    EXPECT_EQ(window.paneTexts[0], "Change the window size");
    frame.OnSystemItemPointed(CFrameController::kSystemTaskList);
    EXPECT_EQ(window.paneTexts[0], "Activate Task List");
    frame.OnSystemItemPointed(CFrameController::kSystemOther);
    EXPECT_EQ(window.paneTexts[0], "");
    frame.OnPointingEnded();
    EXPECT_EQ(window.paneTexts[0], "Warte auf einen Zug.");
}

TEST_F(FrameControllerTest, NewWindowWaitsForAMove) {
    frame.OnCreated();
    EXPECT_EQ(window.log, (std::vector<std::string>{std::string("pane 0 ") + CMainFrameTexts::kIdleText}));
    EXPECT_EQ(ReadBytes(Path("status.log")), std::string(CMainFrameTexts::kIdleText) + "\n");
}

TEST_F(FrameControllerTest, EveryStatusTextAndCloseRequestGoesToTheLog) {
    frame.SetStatusText("Weiss ist am Zug");
    frame.OnCommandPointed(cmd::kFileOpen);
    frame.OnCommandPointed(CMainFrameTexts::kSeparator);
    frame.OnPointingEnded();
    frame.OnClose(true);
    EXPECT_EQ(ReadBytes(Path("status.log")),
              "Weiss ist am Zug\nÖffnet ein altes Spielt\n\nWarte auf einen Zug.\nclose requested\n");
}

TEST_F(FrameControllerTest, IndicatorsFollowTheLockKeysAndTellTheirChanges) {
    frame.UpdateIndicators();
    EXPECT_TRUE(window.log.empty()) << "all off, as the panes start";
    window.systemLocks[CFrameController::kCapsPane] = true;
    window.systemLocks[CFrameController::kScrollPane] = true;
    frame.UpdateIndicators();
    frame.UpdateIndicators();
    window.systemLocks[CFrameController::kCapsPane] = false;
    frame.UpdateIndicators();
    EXPECT_EQ(window.log, (std::vector<std::string>{"pane 1 CAP", "pane 3 SCRL", "pane 1 "}));
    EXPECT_EQ(ReadBytes(Path("status.log")), "indicator CAP on\nindicator SCRL on\nindicator CAP off\n");
}

TEST_F(FrameControllerTest, ScrollLockPressesCountWhereTheSystemKeepsNoState) {
    frame.OnLockKey(CFrameController::kScrollPane, true);
    frame.OnLockKey(CFrameController::kScrollPane, false);
    EXPECT_EQ(window.paneTexts[CFrameController::kScrollPane], "SCRL");
    frame.OnLockKey(CFrameController::kScrollPane, true);
    EXPECT_EQ(window.paneTexts[CFrameController::kScrollPane], "");
    // Out of range: nothing to show it in.
    frame.OnLockKey(CFrameController::kMessagePane, true);
    frame.OnLockKey(CFrameController::kPaneCount, true);
    EXPECT_EQ(window.log, (std::vector<std::string>{"pane 3 SCRL", "pane 3 "}));
}

TEST_F(FrameControllerTest, PanesAreReportedWhenTheBarIsOnTheScreen) {
    window.barOnScreen = false;
    frame.ReportPanes();
    EXPECT_FALSE(fs::exists(Path("panes.txt")));
    window.barOnScreen = true;
    frame.ReportPanes();
    EXPECT_EQ(ReadBytes(Path("panes.txt")), "CAP 100 580 40 18 30\nNUM 200 580 40 18 30\nSCRL 300 580 40 18 40\n");
    // An indicator that changes reports them anew.
    fs::remove(Path("panes.txt"));
    window.systemLocks[CFrameController::kNumPane] = true;
    frame.UpdateIndicators();
    EXPECT_TRUE(fs::exists(Path("panes.txt")));
}

TEST_F(FrameControllerTest, PanesAreNotMeasuredUnlessAskedFor) {
    CReportFiles statusOnly(Path("status.log").u8string(), std::string(), std::string());
    CFrameController quiet(window, statusOnly, window.pump);
    window.systemLocks[CFrameController::kNumPane] = true;
    quiet.UpdateIndicators();
    quiet.ReportPanes();
    EXPECT_EQ(window.measures, 0);
    EXPECT_EQ(window.paneTexts[CFrameController::kNumPane], "NUM");
}
