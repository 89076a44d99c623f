#include "app/core/view/viewcontroller.h"

#include "app/core/base/mainframetexts.h"
#include "app/core/document/gamedocument.h"
#include "app/core/base/displaytext.h"
#include "app/core/view/framelink.h"
#include "app/core/view/viewplatform.h"
#include "app/core/view/viewsurface.h"
#include "engine/messagepump.h"
#include "game/gamefacade.h"

namespace {

// A handler that may end in the computer's thinking, from its start to its
// return, in the frame's scope; one that may not holds no scope.
class CThinkingScope {
public:
    explicit CThinkingScope(IFrameLink* frame, bool mayThink = true) : m_frame(mayThink ? frame : nullptr) {
        if (m_frame) m_frame->EnterThinking();
    }
    ~CThinkingScope() {
        if (m_frame) m_frame->LeaveThinking();
    }
    CThinkingScope(const CThinkingScope&) = delete;
    CThinkingScope& operator=(const CThinkingScope&) = delete;

private:
    IFrameLink* m_frame;
};

}  // namespace

const CViewController::Command CViewController::kCommands[] = {
    {cmd::kFlipBoard, false, &CViewController::OnFlipBoard},
    {cmd::kToggleNotation, false, &CViewController::OnToggleNotation},
    {cmd::kSettings, false, &CViewController::OnSettings},
    {cmd::kEnterMove, true, &CViewController::OnEnterMove},
    {cmd::kLegalMoves, true, &CViewController::OnLegalMovesList},
    {cmd::kComputerMove, true, &CViewController::OnComputerMove},
    {cmd::kSuggestion, true, &CViewController::OnSuggestion},
    {cmd::kEditCopy, false, &CViewController::OnEditCopy},
    {cmd::kEditPaste, false, &CViewController::OnEditPaste},
    {cmd::kHomepage, false, &CViewController::OnHomepage},
};
const int CViewController::kCommandCount = static_cast<int>(sizeof kCommands / sizeof kCommands[0]);

CViewController::CViewController(IViewPlatform& platform) : m_platform(platform) {}

bool CViewController::OnCommand(int id) {
    for (const Command& command : kCommands) {
        if (command.id != id) continue;
        CThinkingScope scope(m_frame, command.mayThink);
        (this->*command.run)();
        return true;
    }
    return false;
}

void CViewController::OnBoardClick(const MouseButtons& held, int x, int y, int width, int height) {
    CThinkingScope scope(m_frame);
    m_access.OnClick();
    m_moves.OnBoardClick(held.LeftAlone(), x, y, width, height);
}

bool CViewController::OnBoardKey(int key) {
    CThinkingScope scope(m_frame);
    return m_access.OnKey(key);
}

void CViewController::ChooseSquare(int column, int row) { m_moves.OnSquareChosen(column, row); }

void CViewController::DropPick() { m_moves.DropPick(); }

void CViewController::OnFlipBoard() {
    m_moves.OnFlipBoard();
    m_access.OnFlip(m_moves.Picker().IsFlipped());
}

void CViewController::OnDocumentChanged() {
    // The first game is no news; a replaced one is told.
    const long game = GameNumber();
    if (game != m_shownGame && m_shownGame != kNoGame) m_access.OnGameReplaced();
    m_shownGame = game;
    Repaint(true);
}

void CViewController::OnToggleNotation() {
    m_showNotation = m_showNotation != kBoardNotation ? kBoardNotation : kUserNotation;
    Repaint(true);
    m_access.OnNotation(NotationShown());
}

void CViewController::OnSettings() {
    // Whatever button closes the dialog, the view takes what it leaves.
    CSettingsDlgLogic settings;
    settings.m_autoReply = m_moves.AutoReply();
    settings.m_level = m_level;
    m_platform.EditSettings(settings);
    m_moves.SetAutoReply(settings.m_autoReply);
    m_level = settings.m_level;
}

// The thinking needs a game to think about.
void CViewController::OnComputerMove() {
    if (Facade()) m_thinking.OnComputerMove();
}

void CViewController::OnSuggestion() {
    if (Facade()) m_thinking.OnSuggestion();
}

void CViewController::OnEditCopy() {
    if (m_document) m_document->OnEditCopy();
}

void CViewController::OnEditPaste() {
    if (m_document) m_document->OnEditPaste();
}

void CViewController::OnHomepage() {
    if (m_platform.OpenAddress(CMainFrameTexts::kHomepage)) return;
    ShowMessage((std::string(kHomepageFailure) + CMainFrameTexts::kHomepage).c_str(), CMainFrameTexts::kWindowTitle);
}

void CViewController::Paint(IViewSurface& surface) {
    if (m_showNotation != kBoardNotation) {
        const CNotationLayout::Extent extent = DrawNotation(surface, surface.Width());
        m_platform.SetScrolledSize(extent.width, extent.height);
        return;
    }
    // The board never scrolls; the room a notation took goes first.
    m_platform.SetScrolledSize(0, 0);
    CGameFacade* facade = Facade();
    if (!facade || !surface.DrawBoard(*facade, m_moves.Picker(), m_access.Cursor())) return;
    if (m_paintStatus.OnPaint(surface.Width(), surface.Height(), m_platform.MessageBoxShowing()) && m_frame)
        m_frame->SetStatusText(DisplayText(facade->StatusText()));
}

CNotationLayout::Extent CViewController::DrawNotation(INotationSurface& surface, int width) {
    CGameFacade* facade = Facade();
    if (!facade) return {0, 0};
    return CNotationLayout::DrawFitted(*facade, surface, width);
}

void CViewController::BeginPrinting() {
    if (m_showNotation == kBoardNotation) m_showNotation = kPrintNotation;
    Repaint(true);
}

void CViewController::EndPrinting() {
    if (m_showNotation == kPrintNotation) m_showNotation = kBoardNotation;
    Repaint(true);
}

CGameFacade* CViewController::Facade() { return m_document ? m_document->GetFacade() : nullptr; }

// Without a document there is still the program's pump, whose thinking
// flag a search below us reads, and no game to tell from another: number 0.
CMessagePump* CViewController::Pump() { return m_document ? m_document->GetPump() : &TheMessagePump(); }

long CViewController::GameNumber() { return m_document ? m_document->GameNumber() : kNoGame; }

void CViewController::SetStatusText(const char* text) {
    // A command's own text: a box shown with it keeps it (see CPaintStatus).
    m_paintStatus.TextWritten();
    if (m_frame) m_frame->SetStatusText(text);
}

void CViewController::ShowMessage(const char* text, const char* caption) { m_platform.ShowMessage(text, caption); }

bool CViewController::AskYesNo(const char* text, const char* caption) { return m_platform.AskYesNo(text, caption); }

void CViewController::ShowBoard() {
    // The notation goes; the board comes back on a clean area.
    if (m_showNotation == kBoardNotation) return;
    m_showNotation = kBoardNotation;
    Repaint(true);
    m_access.OnNotation(false);
}

void CViewController::Repaint(bool eraseBackground) {
    m_paintStatus.Requested();
    m_platform.Repaint(eraseBackground);
}

void CViewController::WaitCursor(int step) { m_platform.WaitCursor(step); }

std::string CViewController::ChooseLegalMove(CGameFacade* facade) { return m_platform.ChooseLegalMove(facade); }

std::string CViewController::TypeMove() { return m_platform.TypeMove(); }
