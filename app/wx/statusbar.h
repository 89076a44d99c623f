// The frame's status bar: the message pane and the Caps, Num and Scroll Lock
// indicators, each as wide as its text needs in the bar's font. What the
// panes show is the frame's controller's; it hears of idle times and sizes.
#pragma once

#include <wx/statusbr.h>

#include "app/core/frame/reportfiles.h"

class CFrameController;

class CStatusBar : public wxStatusBar {
public:
    CStatusBar(wxWindow* parent, CFrameController& controller);

    // Where an indicator's pane lies on the screen, the room its text may
    // take and the text's width; false while the bar is not on the screen.
    bool MeasurePane(int pane, CReportFiles::Pane* measured);

private:
    // Sizes the indicator panes from their texts; the last one also makes
    // room for the size grip, which takes its right end.
    void FitIndicators();
    void OnIdle(wxIdleEvent& event);
    void OnSize(wxSizeEvent& event);

    wxDECLARE_EVENT_TABLE();

    CFrameController& m_controller;
};
