#include "app/wx/statusbar.h"

#include <wx/ffile.h>
#include <wx/utils.h>

#include "app/core/mainframetexts.h"
#include "app/wx/gtkglue.h"

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

void CStatusBar::OnScrollLockKey(bool down) {
    if (down)
        m_scrollLock.OnKeyDown();
    else
        m_scrollLock.OnKeyUp();
    UpdateIndicators();
}

void CStatusBar::UpdateIndicators() {
    // Caps and Num Lock are modifiers the toolkit reads; Scroll Lock is not,
    // so its state comes from the keyboard map's indicator.
    const bool scrollLock = m_scrollLock.IsOn(CGtkGlue::ScrollLockOn());
    const struct {
        bool on;
        const char* text;
    } indicators[] = {
        {wxGetKeyState(WXK_CAPITAL), CMainFrameTexts::kCapsIndicator},
        {wxGetKeyState(WXK_NUMLOCK), CMainFrameTexts::kNumIndicator},
        {scrollLock, CMainFrameTexts::kScrollIndicator},
    };
    int pane = 1;
    for (const auto& indicator : indicators) {
        const wxString text = indicator.on ? wxString(indicator.text) : wxString();
        if (GetStatusText(pane) != text) {
            SetStatusText(text, pane);
            Log(wxString::Format("%s %s", kIndicatorLogPrefix, indicator.text) + (indicator.on ? " on" : " off"));
        }
        ++pane;
    }
}

void CStatusBar::OnIdle(wxIdleEvent& event) {
    UpdateIndicators();
    event.Skip();
}
