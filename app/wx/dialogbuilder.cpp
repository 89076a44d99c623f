#include "app/wx/dialogbuilder.h"

#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/core/base/commandids.h"
#include "app/core/dialogs/dialogfit.h"
#include "app/wx/gtkglue.h"
#include "app/wx/resources.h"
#include "app/wx/utf8.h"

namespace {

constexpr int kIconPixels = 32;

int WxId(int id) { return id == dlg::kIdStatic ? wxID_ANY : id; }

// A picture built into the program, at its own size; a dot if it were missing.
wxBitmap Picture(const wxString& name) {
    const wxBitmap bitmap = CResources::LoadBitmap(name);
    return bitmap.IsOk() ? bitmap : wxBitmap(1, 1);
}

}  // namespace

CDialogBuilder::CDialogBuilder(wxDialog* dialog, const DialogLayout& layout) : m_dialog(dialog) {
    dialog->SetFont(wxFont(DialogLayout::kFontPoints, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    dialog->SetTitle(U(layout.caption));
    dialog->SetClientSize(dialog->ConvertDialogToPixels(wxSize(layout.width, layout.height)));
    // Group boxes first, so that the controls inside them lie on top.
    std::vector<wxWindow*> windows(layout.count, nullptr);
    for (int i = 0; i < layout.count; ++i)
        if (layout.controls[i].kind == ControlKind::kGroupBox) windows[i] = Create(layout.controls[i], false);
    for (int i = 0; i < layout.count; ++i) {
        const DialogControl& control = layout.controls[i];
        if (control.kind == ControlKind::kGroupBox) continue;
        wxWindow* window = windows[i] = Create(control, layout.StartsGroup(i));
        WidenToText(control.kind, window);
        if (control.id != dlg::kIdStatic) m_controls[control.id] = window;
    }
    NameForScreenReader(layout, windows);
    CGtkGlue::MarkDialog(m_dialog);
    BindKeys(layout.EnterId(), layout.EscapeId());
}

namespace {

bool Inside(const DialogControl& control, const DialogControl& box) {
    return control.left >= box.left && control.top >= box.top && control.left + control.width <= box.left + box.width &&
           control.top + control.height <= box.top + box.height;
}

}  // namespace

// A group box's title is the group's, not the label of whatever control
// came next; a group that holds one list or one edit alone gives it its name.
void CDialogBuilder::NameForScreenReader(const DialogLayout& layout, const std::vector<wxWindow*>& windows) {
    for (int box = 0; box < layout.count; ++box) {
        if (layout.controls[box].kind != ControlKind::kGroupBox) continue;
        CGtkGlue::LabelNothing(windows[box]);
        int inside = -1, count = 0;
        for (int i = 0; i < layout.count; ++i)
            if (i != box && layout.controls[i].kind != ControlKind::kGroupBox &&
                Inside(layout.controls[i], layout.controls[box])) {
                inside = i;
                ++count;
            }
        const ControlKind kind = count == 1 ? layout.controls[inside].kind : ControlKind::kGroupBox;
        if (kind == ControlKind::kEdit || kind == ControlKind::kListBox)
            CGtkGlue::NameControl(windows[inside], layout.controls[box].text);
    }
}

wxWindow* CDialogBuilder::Create(const DialogControl& c, bool startsGroup) {
    wxWindow* parent = m_dialog;
    const wxPoint pos = m_dialog->ConvertDialogToPixels(wxPoint(c.left, c.top));
    const wxSize size = m_dialog->ConvertDialogToPixels(wxSize(c.width, c.height));
    const wxString text = U(c.text);
    const int id = WxId(c.id);
    switch (c.kind) {
        case ControlKind::kCheckBox:
            return new wxCheckBox(parent, id, text, pos, size);
        case ControlKind::kPushButton:
            return new wxButton(parent, id, text, pos, size);
        case ControlKind::kDefaultPushButton: {
            auto* button = new wxButton(parent, id, text, pos, size);
            button->SetDefault();
            return button;
        }
        case ControlKind::kRadioButton:
            return new wxRadioButton(parent, id, text, pos, size, startsGroup ? wxRB_GROUP : 0);
        case ControlKind::kGroupBox:
            return new wxStaticBox(parent, id, text, pos, size);
        case ControlKind::kEdit:
            return new wxTextCtrl(parent, id, wxEmptyString, pos, size);
        case ControlKind::kListBox: {
            auto* list = new wxListBox(parent, id, pos, size, 0, nullptr, wxLB_SINGLE | wxLB_ALWAYS_SB);
            CGtkGlue::KeepScrollBarsInSight(list);
            return list;
        }
        case ControlKind::kPicture:
            return new wxStaticBitmap(parent, id, Picture(text), pos);
        case ControlKind::kIcon:
            // Like the platform's icon control: the icon at its own size,
            // whatever room the row gives it.
            return new wxStaticBitmap(parent, id, Picture(text), pos, wxSize(kIconPixels, kIconPixels));
        case ControlKind::kText:
            return new wxStaticText(parent, id, text, pos, size, wxST_NO_AUTORESIZE);
        case ControlKind::kTextNoPrefix:
            return new wxStaticText(parent, id, wxControl::EscapeMnemonics(text), pos, size, wxST_NO_AUTORESIZE);
    }
    return nullptr;
}

void CDialogBuilder::WidenToText(ControlKind kind, wxWindow* window) {
    // Our font is not the one the layout was made for.
    if (!CDialogFit::HasLabel(kind)) return;
    const wxRect rect = window->GetRect();
    const wxSize client = m_dialog->GetClientSize();
    const int margin = m_dialog->ConvertDialogToPixels(wxSize(CDialogFit::kMarginUnits, 0)).x;
    const CDialogFit::Widths widths =
        CDialogFit::Widen(rect.x, rect.width, window->GetBestSize().x, client.x, margin);
    if (widths.control != rect.width) window->SetSize(widths.control, rect.height);
    if (widths.client != client.x) m_dialog->SetClientSize(widths.client, client.y);
}

wxWindow* CDialogBuilder::Control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void CDialogBuilder::BindKeys(int enterId, int escapeId) {
    wxDialog* dialog = m_dialog;
    auto click = [dialog](int id) {
        wxCommandEvent event(wxEVT_BUTTON, id);
        event.SetEventObject(dialog->FindWindow(id));
        dialog->ProcessWindowEvent(event);
    };
    dialog->Bind(wxEVT_CHAR_HOOK, [dialog, click, enterId, escapeId](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
            auto* focused = dynamic_cast<wxButton*>(wxWindow::FindFocus());
            click(focused && focused->GetParent() == dialog ? focused->GetId() : enterId);
            return;
        }
        if (key == WXK_ESCAPE) {
            click(escapeId);
            return;
        }
        event.Skip();
    });
    dialog->Bind(wxEVT_CLOSE_WINDOW, [click, escapeId](wxCloseEvent&) { click(escapeId); });
}
