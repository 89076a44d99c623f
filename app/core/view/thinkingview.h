// What the thinking commands need of the view that runs them.
#pragma once

#include "engine/levels.h"

class CGameFacade;
class CMessagePump;

class IThinkingView {
public:
    virtual ~IThinkingView() = default;

    // The document's current facade; asked afresh after every pump, since a
    // command handled meanwhile may have replaced the game.
    virtual CGameFacade* Facade() = 0;
    virtual CMessagePump* Pump() = 0;
    virtual EngineLevel Level() const = 0;
    virtual void SetStatusText(const char* text) = 0;
    // A modal box with an OK button.
    virtual void ShowMessage(const char* text, const char* caption) = 0;
    // Leaves the notation mode for the board.
    virtual void ShowBoard() = 0;
    // Repaint without erasing the background.
    virtual void Invalidate() = 0;
    // +1 switches the wait cursor on, -1 off.
    virtual void WaitCursor(int step) = 0;
    // A move was played on the game; the view has it announced.
    virtual void MovePlayed() {}
};
