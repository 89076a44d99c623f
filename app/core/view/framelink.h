// What the view's controller asks of the frame's controller it is attached
// to: the status bar's message, and the thinking scope that holds a close
// request back. The frame's controller implements it, so that the view
// needs nothing of the frame's own.
#pragma once

class IFrameLink {
public:
    virtual ~IFrameLink() = default;

    // The first pane of the status bar.
    virtual void SetStatusText(const char* text) = 0;
    // Around a handler that may run the computer's thinking; calls nest.
    virtual void EnterThinking() = 0;
    virtual void LeaveThinking() = 0;
};
