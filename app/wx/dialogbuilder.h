// Builds a dialog's controls from its layout table, placed in dialog units.
#pragma once

#include <wx/dialog.h>

#include <map>
#include <vector>

#include "app/core/base/dialoglayout.h"

class CDialogBuilder {
public:
    // Sets the dialog's font, caption and client size, creates the controls
    // and gives Enter, Escape and the close box the buttons the layout names.
    CDialogBuilder(wxDialog* dialog, const DialogLayout& layout);

    // The control with that id; null for none.
    wxWindow* Control(int id) const;
    template <typename T>
    T* Get(int id) const {
        return dynamic_cast<T*>(Control(id));
    }

private:
    wxWindow* Create(const DialogControl& control, bool startsGroup);
    void NameForScreenReader(const DialogLayout& layout, const std::vector<wxWindow*>& windows);
    void WidenToText(ControlKind kind, wxWindow* window);
    // Enter presses the focused button, else `enterId`; Escape and the close
    // box press `escapeId`.
    void BindKeys(int enterId, int escapeId);

    wxDialog* m_dialog;
    std::map<int, wxWindow*> m_controls;
};
