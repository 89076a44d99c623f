// Builds a dialog's controls from its layout table, placed in dialog units.
#pragma once

#include <wx/dialog.h>

#include <map>

#include "app/core/dialogs/dialoglayout.h"

class CDialogBuilder {
public:
    // Sets the dialog's font, caption and client size and creates the controls.
    CDialogBuilder(wxDialog* dialog, const DialogLayout& layout);

    // The control with that id; null for none.
    wxWindow* Control(int id) const;
    template <typename T>
    T* Get(int id) const {
        return dynamic_cast<T*>(Control(id));
    }

    // Enter presses the focused button; otherwise it runs onEnter. Escape and
    // the close box run onCancel.
    static void BindKeys(wxDialog* dialog, int enterId, int cancelId);

private:
    wxWindow* Create(const DialogControl& control, bool startsGroup);
    void WidenToText(ControlKind kind, wxWindow* window);

    wxDialog* m_dialog;
    std::map<int, wxWindow*> m_controls;
};
