#include "app/statusbar.h"

#include <wx/ffile.h>
#include <wx/utils.h>

#include "app/core/mainframetexts.h"

namespace {

constexpr int kMessageWidth = -1;  // takes what the indicators leave
constexpr int kIndicatorWidth = 48;

}  // namespace

CStatusBar::CStatusBar(wxWindow* parent) : wxStatusBar(parent, wxID_ANY) {
    const int widths[kPaneCount] = {kMessageWidth, kIndicatorWidth, kIndicatorWidth, kIndicatorWidth};
    SetFieldsCount(kPaneCount, widths);
    wxGetEnv(kLogVariable, &m_logPath);
    Bind(wxEVT_IDLE, &CStatusBar::OnIdle, this);
}

void CStatusBar::ShowMessage(const wxString& text) {
    SetStatusText(text, 0);
    Log(text);
}

void CStatusBar::Log(const wxString& text) {
    if (m_logPath.empty()) return;
    wxFFile log(m_logPath, "a");
    if (log.IsOpened()) log.Write(text + "\n", wxConvUTF8);
}

void CStatusBar::UpdateIndicators() {
    struct Indicator {
        wxKeyCode key;
        const char* text;
    };
    const Indicator indicators[] = {
        {WXK_CAPITAL, CMainFrameTexts::kCapsIndicator},
        {WXK_NUMLOCK, CMainFrameTexts::kNumIndicator},
        {WXK_SCROLL, CMainFrameTexts::kScrollIndicator},
    };
    int pane = 1;
    for (const Indicator& indicator : indicators) {
        const wxString text = wxGetKeyState(indicator.key) ? wxString(indicator.text) : wxString();
        if (GetStatusText(pane) != text) SetStatusText(text, pane);
        ++pane;
    }
}

void CStatusBar::OnIdle(wxIdleEvent& event) {
    UpdateIndicators();
    event.Skip();
}
