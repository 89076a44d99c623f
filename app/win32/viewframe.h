// What the view needs of the frame it lives in, which also holds the
// document: the owner of its boxes and dialogs, the status bar, the thinking
// scope that holds a close request back, and the document's game.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CGameFacade;
class CMessagePump;

class IViewFrame {
public:
    virtual ~IViewFrame() = default;

    virtual HWND Hwnd() const = 0;
    virtual void SetStatusText(const char* text) = 0;
    // Around a handler that may run the computer's thinking; calls nest.
    virtual void EnterThinking() = 0;
    virtual void LeaveThinking() = 0;

    // The document's game, the number that changes with it, its pump and
    // its clipboard exchange.
    virtual CGameFacade* Facade() = 0;
    virtual CMessagePump* Pump() = 0;
    virtual long GameNumber() = 0;
    virtual void CopyGame() = 0;
    virtual void PasteGame() = 0;
};
