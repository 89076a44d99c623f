// The frame's status bar: the message pane and the Caps, Num and Scroll Lock
// indicators. With TORVO_STATUS_LOG set, every message is also appended to
// that file, one a line, so that tests can read what the user saw; the
// indicators' changes are logged too, with a prefix.
#pragma once

#include <wx/statusbr.h>

#include "app/core/lockkeystate.h"

class CStatusBar : public wxStatusBar {
public:
    static constexpr int kPaneCount = 4;
    static constexpr const char* kLogVariable = "TORVO_STATUS_LOG";
    // Log lines of the indicator panes: "indicator SCRL on".
    static constexpr const char* kIndicatorLogPrefix = "indicator";

    explicit CStatusBar(wxWindow* parent);

    // Text of the first pane.
    void ShowMessage(const wxString& text);
    // Appends a shown text to the test log, if there is one.
    void Log(const wxString& text);
    void UpdateIndicators();
    // Scroll Lock going down or up anywhere in the program (see CLockKeyState).
    void OnScrollLockKey(bool down);

private:
    void OnIdle(wxIdleEvent& event);

    wxString m_logPath;
    CLockKeyState m_scrollLock;
};
