// The view of the open game as both desktop programs run it: its display
// mode, the commands it handles, its clicks, its paints and their status
// text, and printing's notation. The thinking and move-entry controls work
// through it. It holds its document and the frame's controller it is
// attached to; the platform does the toolkit's part.
#pragma once

#include <cstdint>
#include <string>

#include "app/core/access/boardaccess.h"
#include "app/core/dialogs/settingsdlglogic.h"
#include "app/core/base/commandids.h"
#include "app/core/view/moveentrycontrol.h"
#include "app/core/view/moveentryview.h"
#include "app/core/view/mousebuttons.h"
#include "app/core/view/notationlayout.h"
#include "app/core/view/paintstatus.h"
#include "app/core/view/thinkingcontrol.h"
#include "app/core/view/thinkingview.h"

class CGameDocument;
class IFrameLink;
class INotationSurface;
class IViewPlatform;
class IViewSurface;

class CViewController : public IThinkingView, public IMoveEntryView, public IAccessView {
public:
    // m_showNotation: the board, the notation the user chose, the notation
    // while printing runs.
    static constexpr int kBoardNotation = 0;
    static constexpr int kUserNotation = -1;
    static constexpr int kPrintNotation = 1;
    // The game number while there is no document.
    static constexpr long kNoGame = 0;
    // Pixels a line of the notation's scroll bar moves it.
    static constexpr int kScrollLine = 16;
    static constexpr const char* kHomepageFailure = "Die Homepage kann nicht geöffnet werden:\n";
    // The commands the view handles, and whether one may end in the
    // computer's thinking; the menus' and keys' wiring reads the ids.
    struct Command {
        int id;
        bool mayThink;
        void (CViewController::*run)();
    };
    static const Command kCommands[];
    static const int kCommandCount;

    // The platform is not owned and must outlive the controller.
    explicit CViewController(IViewPlatform& platform);

    // The document whose game the view shows, given when the shell attaches
    // the view to it; null while there is none, as a toolkit's document
    // framework may have for a moment: the view then has no game.
    void SetDocument(CGameDocument* document) { m_document = document; }
    CGameDocument* Document() const { return m_document; }
    // The frame's controller that takes the status texts and holds the
    // thinking scope; set by it (CFrameController::AttachView), null while
    // the view is in no frame.
    void SetFrame(IFrameLink* frame) { m_frame = frame; }

    // A command of the menu, the keys or the toolbar; false when it is not the view's.
    bool OnCommand(int id);
    // A press of the left button at a client point of a view of this size,
    // with what else was held.
    void OnBoardClick(const MouseButtons& held, int x, int y, int width, int height);
    void OnLegalMoves() { OnCommand(cmd::kLegalMoves); }
    // A key pressed on the board without Ctrl or Alt (CBoardKeys::Key);
    // false when it is not the board's.
    bool OnBoardKey(int key);
    // The document's game was replaced or reloaded.
    void OnDocumentChanged();

    // One paint of the view's client area: the board, or the notation
    // fitted to its width.
    void Paint(IViewSurface& surface);
    // The notation on a device, the screen's or the paper's, fitted to
    // `width`; the area it took.
    CNotationLayout::Extent DrawNotation(INotationSurface& surface, int width);
    // Printing and its preview show the notation meanwhile.
    void BeginPrinting();
    void EndPrinting();

    // The board and nothing else fills the view: no background to erase.
    bool ShowsBoard() const { return m_showNotation == kBoardNotation; }
    int ShowNotation() const { return m_showNotation; }
    int AutoReply() const { return m_moves.AutoReply(); }
    // The board for the keyboard and the screen reader.
    CBoardAccess& Access() { return m_access; }

    // IThinkingView and IMoveEntryView
    CGameFacade* Facade() override;
    CMessagePump* Pump() override;
    EngineLevel Level() const override { return CSettingsDlgLogic::EngineLevelOf(m_level); }
    // A text of a command's own, which a box shown after it keeps in sight.
    void SetStatusText(const char* text) override;
    void ShowMessage(const char* text, const char* caption) override;
    void ShowBoard() override;
    void Invalidate() override { Repaint(false); }
    void WaitCursor(int step) override;
    long GameNumber() override;
    bool AskYesNo(const char* text, const char* caption) override;
    bool NotationShown() override { return m_showNotation != kBoardNotation; }
    void Repaint(bool eraseBackground) override;
    std::string ChooseLegalMove(CGameFacade* facade) override;
    std::string TypeMove() override;
    void ComputerMove() override { m_thinking.OnComputerMove(); }
    void MovePlayed() override { m_access.OnMovePlayed(); }
    void NoMoveTyped() override { m_access.OnNoMoveTyped(); }
    // IAccessView
    const CSquarePicker& Picker() override { return m_moves.Picker(); }
    void ChooseSquare(int column, int row) override;
    void DropPick() override;

private:
    void OnFlipBoard();
    void OnToggleNotation();
    void OnSettings();
    void OnEnterMove() { m_moves.OnEnterMove(); }
    void OnLegalMovesList() { m_moves.OnLegalMoves(); }
    void OnComputerMove();
    void OnSuggestion();
    void OnEditCopy();
    void OnEditPaste();
    void OnHomepage();

    IViewPlatform& m_platform;
    CGameDocument* m_document = nullptr;
    IFrameLink* m_frame = nullptr;
    CPaintStatus m_paintStatus;
    CThinkingControl m_thinking{*this};
    CMoveEntryControl m_moves{*this};
    CBoardAccess m_access{*this};
    long m_shownGame = kNoGame;
    uint16_t m_level = CSettingsDlgLogic::kDefaultLevel;
    int m_showNotation = kBoardNotation;
};
