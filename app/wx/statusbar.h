// The frame's status bar: the message pane and the Caps, Num and Scroll Lock
// indicators, each as wide as its text needs in the bar's font. With
// TORVO_STATUS_LOG set, every message is also appended to that file, one a
// line, so that tests can read what the user saw; the indicators' changes
// are logged too, with a prefix. With TORVO_PANES_FILE set, the indicators'
// places are written there.
#pragma once

#include <wx/statusbr.h>

#include "app/core/frame/lockkeystate.h"

class CStatusBar : public wxStatusBar {
public:
    static constexpr int kPaneCount = 4;
    static constexpr const char* kLogVariable = "TORVO_STATUS_LOG";
    // Log lines of the indicator panes: "indicator SCRL on".
    static constexpr const char* kIndicatorLogPrefix = "indicator";
    // One line an indicator: its text, the screen rectangle its text may
    // take (the pane less the size grip's width) and the text's width, all
    // in pixels: "SCRL 700 680 45 18 33".
    static constexpr const char* kPanesVariable = "TORVO_PANES_FILE";

    explicit CStatusBar(wxWindow* parent);

    // Text of the first pane.
    void ShowMessage(const wxString& text);
    // Appends a shown text to the test log, if there is one.
    void Log(const wxString& text);
    void UpdateIndicators();
    // Scroll Lock going down or up anywhere in the program (see CLockKeyState).
    void OnScrollLockKey(bool down);

private:
    // Sizes the indicator panes from their texts; the last one also makes
    // room for the size grip, which takes its right end.
    void FitIndicators();
    void WritePanes();
    void OnIdle(wxIdleEvent& event);
    void OnSize(wxSizeEvent& event);

    wxString m_logPath;
    wxString m_panesPath;
    CLockKeyState m_scrollLock;
};
