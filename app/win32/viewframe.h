// What the view needs of the frame it lives in: the owner of its boxes and
// dialogs, the status bar's message, and the thinking scope that holds a
// close request back.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class IViewFrame {
public:
    virtual ~IViewFrame() = default;

    virtual HWND Hwnd() const = 0;
    virtual void SetStatusText(const char* text) = 0;
    // Around a handler that may run the computer's thinking; calls nest.
    virtual void EnterThinking() = 0;
    virtual void LeaveThinking() = 0;
};
