// What the move-entry commands (a click on the board, the move typed in its
// dialog, the list of legal moves) need of the view that runs them.
#pragma once

#include <string>

class CGameFacade;

class IMoveEntryView {
public:
    virtual ~IMoveEntryView() = default;

    // The document's current facade, and the number of its game, which
    // changes with every new, opened or pasted game.
    virtual CGameFacade* Facade() = 0;
    virtual long GameNumber() = 0;
    virtual void SetStatusText(const char* text) = 0;
    // Modal boxes: with an OK button, and with Yes and No (true for Yes).
    virtual void ShowMessage(const char* text, const char* caption) = 0;
    virtual bool AskYesNo(const char* text, const char* caption) = 0;
    virtual bool NotationShown() = 0;
    // Leaves the notation mode for the board and repaints.
    virtual void ShowBoard() = 0;
    virtual void Repaint(bool eraseBackground) = 0;
    // The dialogs, shown modally: the text of the move the user chose or
    // typed, "" for none.
    virtual std::string ChooseLegalMove(CGameFacade* facade) = 0;
    virtual std::string TypeMove() = 0;
    // The computer's answer to a move of the user.
    virtual void ComputerMove() = 0;
    // A move was played on the game; the view has it announced.
    virtual void MovePlayed() {}
    // The move-entry dialog was closed without a move; the view has it said.
    virtual void NoMoveTyped() {}
};
