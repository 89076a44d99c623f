#include "app/core/access/boardaccess.h"

#include "app/core/picture/squarepicker.h"
#include "game/gamefacade.h"

bool CBoardAccess::Ready() {
    CGameFacade* facade = m_view.Facade();
    if (!facade) return false;
    if (!m_cursor.Started()) m_cursor.Start(*facade, m_view.Picker().IsFlipped());
    return true;
}

bool CBoardAccess::OnKey(int key) {
    if (m_view.NotationShown()) {
        if (!m_notation.OnKey(key)) return false;
        if (m_log) m_log->Spoken(kNotationLine, m_notation.Line(m_notation.Cursor()));
        if (m_platform) m_platform->NotationLine(m_notation.Cursor(), CNotationReader::Jumps(key));
        // The toolkit scrolls the notation as before.
        return false;
    }
    const CBoardKeys::Action action = CBoardKeys::ActionFor(key);
    if (action == CBoardKeys::kNoAction || !Ready()) return false;
    if (!m_cursor.Shown()) {
        m_cursor.Show();
        m_view.Repaint(false);
    }
    switch (action) {
        case CBoardKeys::kCursorUp:
        case CBoardKeys::kCursorDown:
        case CBoardKeys::kCursorLeft:
        case CBoardKeys::kCursorRight: {
            static constexpr CBoardCursor::Direction kDirections[] = {CBoardCursor::kUp, CBoardCursor::kDown,
                                                                     CBoardCursor::kLeft, CBoardCursor::kRight};
            // At the edge the square is said again: the player hears where the board ends.
            m_cursor.Move(kDirections[action - CBoardKeys::kCursorUp]);
            m_view.Repaint(false);
            Focus();
            return true;
        }
        case CBoardKeys::kChoose: {
            const bool hadPick = m_view.Picker().HasSelection();
            m_view.ChooseSquare(m_cursor.Column(), m_cursor.Row());
            // A pick is heard at once; a move is heard as the move it made.
            if (!hadPick && m_view.Picker().HasSelection()) Announce(CellName(FocusedCell()));
            if (m_platform) m_platform->CellsChanged();
            return true;
        }
        case CBoardKeys::kDrop:
            if (!m_view.Picker().HasSelection()) return false;
            m_view.DropPick();
            if (m_platform) m_platform->CellsChanged();
            Announce(CBoardSpeech::kPickDropped);
            return true;
        default:
            Read(action, *m_view.Facade());
            return true;
    }
}

void CBoardAccess::Read(CBoardKeys::Action action, const CGameFacade& facade) {
    const bool flipped = m_view.Picker().IsFlipped();
    switch (action) {
        case CBoardKeys::kReadLastMove: Announce(CBoardSpeech::LastMove(facade)); break;
        case CBoardKeys::kReadPieces: Announce(CBoardSpeech::Pieces(facade)); break;
        case CBoardKeys::kReadRank: Announce(CBoardSpeech::Rank(facade, m_cursor.Row(), flipped)); break;
        case CBoardKeys::kReadFile: Announce(CBoardSpeech::File(facade, m_cursor.Column(), flipped)); break;
        case CBoardKeys::kReadStatus: Announce(CBoardSpeech::Status(facade)); break;
        case CBoardKeys::kReadGame: Announce(CBoardSpeech::Game(facade)); break;
        default: Announce(CBoardKeys::HelpText()); break;
    }
}

void CBoardAccess::OnFocus() {
    if (!Ready()) return;
    Focus();
    // Once, so that a player without sight finds the keys; a shell that
    // makes its platform only when a screen reader first asks has it told
    // then, while the log keeps the first time only.
    if (m_hinted && (m_hintHeard || !m_platform)) return;
    // A game opened before any screen reader listened is told by its last move.
    std::string hint = BoardName() + CBoardSpeech::kSentenceEnd;
    const CGameFacade& facade = *m_view.Facade();
    const int ply = facade.GetGame()->GetPly();
    if (ply > 0) hint += CBoardSpeech::Move(facade, ply) + CBoardSpeech::kSentenceEnd;
    hint += CBoardKeys::kHelpHint;
    if (m_log && !m_hinted) m_log->Spoken(kAnnounceLine, hint);
    if (m_platform) m_platform->Announce(hint);
    m_hinted = true;
    m_hintHeard = m_platform != nullptr;
}

void CBoardAccess::OnFlip(bool flipped) {
    m_cursor.Flip();
    // Cells are screen squares: each is now another board square.
    if (m_platform) m_platform->CellsChanged();
    Announce(CBoardSpeech::Turned(flipped));
}

void CBoardAccess::OnNotation(bool shown) {
    CGameFacade* facade = m_view.Facade();
    if (!facade) return;
    if (shown) m_notation.Read(*facade);
    if (m_platform) m_platform->NotationShown(shown);
    if (m_log) m_log->Spoken(kFocusLine, shown ? CBoardSpeech::kNotationName : CellName(FocusedCell()));
    Announce(shown ? m_notation.Opening() : CBoardSpeech::BoardAgain(*facade));
}

void CBoardAccess::OnClick() {
    if (!m_cursor.Shown()) return;
    m_cursor.Hide();
    m_view.Repaint(false);
}

void CBoardAccess::OnMovePlayed() {
    CGameFacade* facade = m_view.Facade();
    if (!facade) return;
    if (m_platform) m_platform->CellsChanged();
    Announce(CBoardSpeech::Move(*facade, facade->GetGame()->GetPly()));
}

void CBoardAccess::OnGameReplaced() {
    CGameFacade* facade = m_view.Facade();
    if (!facade) return;
    if (m_view.NotationShown()) m_notation.Read(*facade);
    if (m_platform) m_platform->CellsChanged();
    Announce(CBoardSpeech::LastMove(*facade));
}

std::string CBoardAccess::BoardName() {
    if (m_view.NotationShown()) return CBoardSpeech::kNotationName;
    CGameFacade* facade = m_view.Facade();
    return facade ? CBoardSpeech::Board(*facade) : CBoardSpeech::kBoardName;
}

std::string CBoardAccess::CellName(int cell) {
    CGameFacade* facade = m_view.Facade();
    if (!facade || cell < 0 || cell >= kCells) return "";
    return CBoardSpeech::Square(*facade, cell % kColumns, cell / kColumns, m_view.Picker().IsFlipped(),
                                CellPicked(cell));
}

bool CBoardAccess::CellPicked(int cell) {
    const CSquarePicker& picker = m_view.Picker();
    return picker.HasSelection() && picker.SelColumn() == cell % kColumns && picker.SelRow() == cell / kColumns;
}

int CBoardAccess::FocusedCell() {
    Ready();
    return m_cursor.Row() * kColumns + m_cursor.Column();
}

void CBoardAccess::Focus() {
    const int cell = FocusedCell();
    if (m_log) m_log->Spoken(kFocusLine, CellName(cell));
    if (m_platform) m_platform->FocusCell(cell);
}

void CBoardAccess::Announce(const std::string& text) {
    if (text.empty()) return;
    if (m_log) m_log->Spoken(kAnnounceLine, text);
    if (m_platform) m_platform->Announce(text);
}
