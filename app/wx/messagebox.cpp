#include "app/wx/messagebox.h"

#include <wx/intl.h>
#include <wx/sizer.h>

#include "app/wx/gtkglue.h"

namespace {

// A title bar holds more than its text: the window's icon and its buttons,
// with gaps; its font is often larger and bold.
constexpr int kTitleBarAllowance = 120;
constexpr double kTitleFontAllowance = 1.25;

}  // namespace

wxBEGIN_EVENT_TABLE(CMessageBox, wxGenericMessageDialog)
    EVT_INIT_DIALOG(CMessageBox::OnInitDialog)
wxEND_EVENT_TABLE()

int CMessageBox::s_showing = 0;

CMessageBox::CMessageBox(wxWindow* parent, const wxString& text, const wxString& caption, long style)
    : wxGenericMessageDialog(parent, text, caption, style | wxCENTRE) {
    // The toolkit's own button texts follow the system's language, not the
    // program's German; the framework's German ones are set by hand.
    if (style & wxYES_NO) SetYesNoLabels(_("&Yes"), _("&No"));
}

int CMessageBox::ShowModal() {
    ++s_showing;
    const int answer = wxGenericMessageDialog::ShowModal();
    --s_showing;
    return answer;
}

// The box's controls stand now, and no screen reader has asked for them yet.
void CMessageBox::OnInitDialog(wxInitDialogEvent& event) {
    CGtkGlue::LabelNothing(this);
    event.Skip();
}

int CMessageBox::Show(wxWindow* parent, const wxString& text, const wxString& caption, long style) {
    CMessageBox box(parent, text, caption, style);
    return box.ShowModal();
}

void CMessageBox::AddMessageDialogDetails(wxSizer* sizer) {
    // The box's window stands by now; the toolkit makes it as it is shown.
    CGtkGlue::MarkAlert(this);
    const wxFont font = GetFont().Bold();
    int width = 0, height = 0;
    GetTextExtent(GetTitle(), &width, &height, nullptr, nullptr, &font);
    sizer->Add(static_cast<int>(width * kTitleFontAllowance) + kTitleBarAllowance, 0);
}
