// The document manager of a single-document program: the one document and
// its view are made once; a new game, an opened file and a recent file reuse
// them (the frame's controller carries the commands to the document), so that
// the view's settings (orientation, level, automatic answer) stay for the run.
#pragma once

#include <wx/docview.h>

class CTorvoDoc;

class CDocManager : public wxDocManager {
public:
    CDocManager();

    // The document with its view; its first step is the command line's (CGameDocument::Start).
    CTorvoDoc* MakeDocument();
    CTorvoDoc* Document() const;

private:
    // "&Drucken...": through the view, which tells a printer's refusal.
    void OnPrintNotation(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
