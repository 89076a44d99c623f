// The frame's status bar: the message pane and the Caps, Num and Scroll Lock
// indicators, each as wide as its text needs in the bar's font. Its messages,
// the indicators' changes and places go to the tests' files (CReportFiles).
#pragma once

#include <wx/statusbr.h>

#include "app/core/frame/lockkeystate.h"

class CStatusBar : public wxStatusBar {
public:
    static constexpr int kPaneCount = 4;

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

    CLockKeyState m_scrollLock;
};
