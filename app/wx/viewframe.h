// What the view needs of the frame it lives in: a place for its canvas, and
// the frame's controller to attach the view's controller to.
#pragma once

class CBoardCanvas;
class CFrameController;

class IViewFrame {
public:
    virtual ~IViewFrame() = default;

    // The canvas fills the frame between the bars; null takes it out.
    virtual void SetBoardCanvas(CBoardCanvas* canvas) = 0;
    virtual CFrameController& Controller() = 0;
};
