// What the view needs of the frame it lives in: a place for its canvas, the
// status bar's message, and the thinking scope that holds a close request back.
#pragma once

class CBoardCanvas;

class IViewFrame {
public:
    virtual ~IViewFrame() = default;

    // The canvas fills the frame between the bars; null takes it out.
    virtual void SetBoardCanvas(CBoardCanvas* canvas) = 0;
    virtual void SetStatusText(const char* text) = 0;
    // Around a handler that may run the computer's thinking; calls nest.
    virtual void EnterThinking() = 0;
    virtual void LeaveThinking() = 0;
};
