// "Über Torvo": the program's icon, name, version and addresses.
#pragma once

#include <wx/dialog.h>

#include "app/wx/dialogbuilder.h"

class CAboutDlg : public wxDialog {
public:
    explicit CAboutDlg(wxWindow* parent);

private:
    void OnOk(wxCommandEvent& event);

    CDialogBuilder m_builder;

    wxDECLARE_EVENT_TABLE();
};
