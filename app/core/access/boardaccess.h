// The board for the keyboard and for a screen reader: the cursor, what the
// board's keys do, and the model a shell hands to its platform's
// accessibility interface: a table of 64 named cells, the focused one and
// the messages to speak. Choosing a square goes the mouse's way, through
// the view's move entry. While the view shows the notation, the model is
// its text instead.
#pragma once

#include <string>

#include "app/core/access/accessplatform.h"
#include "app/core/access/boardspeech.h"
#include "app/core/access/boardcursor.h"
#include "app/core/access/boardkeys.h"
#include "app/core/access/notationreader.h"

class CGameFacade;
class CSquarePicker;

// What the board's access reads and does through the view it belongs to.
class IAccessView {
public:
    virtual ~IAccessView() = default;
    virtual CGameFacade* Facade() = 0;
    virtual const CSquarePicker& Picker() = 0;
    virtual bool NotationShown() = 0;
    // As a left click on the screen square.
    virtual void ChooseSquare(int column, int row) = 0;
    virtual void DropPick() = 0;
    virtual void Repaint(bool eraseBackground) = 0;
};

class CBoardAccess {
public:
    static constexpr int kRows = 8;
    static constexpr int kColumns = 8;
    static constexpr int kCells = kRows * kColumns;
    // The speech log's kinds of line.
    static constexpr const char* kFocusLine = "focus";
    static constexpr const char* kAnnounceLine = "announce";
    static constexpr const char* kNotationLine = "line";

    explicit CBoardAccess(IAccessView& view) : m_view(view) {}

    // Neither is owned; null for none.
    void SetPlatform(IAccessPlatform* platform) { m_platform = platform; }
    void SetSpeechLog(const ISpeechLog* log) { m_log = log; }

    // A key pressed on the board without Ctrl or Alt; false when it is not
    // the board's, so that the toolkit handles it as before. With the
    // notation shown the keys that scroll it move its line cursor too and
    // still go on to the toolkit.
    bool OnKey(int key);
    // The board got the keyboard's focus.
    void OnFocus();
    // A mouse click on the board: the cursor is no longer drawn.
    void OnClick();
    // The board was turned; `flipped` with Black at the bottom.
    void OnFlip(bool flipped);
    // The view changed between the board and the notation.
    void OnNotation(bool shown);
    // The move-entry dialog was closed without a move.
    void OnNoMoveTyped() { Announce(CBoardSpeech::kNoMovePlayed); }
    // A move was played, by the user or the computer.
    void OnMovePlayed();
    // The game was replaced: new, opened or pasted.
    void OnGameReplaced();

    // The model: the board's name, each cell's name, the focused cell.
    std::string BoardName();
    std::string CellName(int cell);
    bool CellPicked(int cell);
    int FocusedCell();
    const CBoardCursor& Cursor() const { return m_cursor; }
    // The notation's text and line cursor, while it is shown.
    const CNotationReader& Notation() const { return m_notation; }
    bool NotationShown() { return m_view.NotationShown(); }

private:
    // Starts the cursor where it belongs when it has not been yet.
    bool Ready();
    void Focus();
    void Announce(const std::string& text);
    void Read(CBoardKeys::Action action, const CGameFacade& facade);

    IAccessView& m_view;
    IAccessPlatform* m_platform = nullptr;
    const ISpeechLog* m_log = nullptr;
    CBoardCursor m_cursor;
    CNotationReader m_notation;
    bool m_hinted = false;     // the keys' hint was said
    bool m_hintHeard = false;  // and the platform had it
};
