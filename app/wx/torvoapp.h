// The application object: German framework texts, settings, the document
// template and the command line.
#pragma once

#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/weakref.h>

#include "app/wx/mainframe.h"
#include "app/wx/wxpumpplatform.h"

class CDocManager;

class CTorvoApp : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;
    // Sees Scroll Lock presses in every window of the program.
    int FilterEvent(wxEvent& event) override;

    // Number of pages the print preview shows, kept between runs.
    long PreviewPages() const { return m_previewPages; }
    void SetPreviewPages(long pages) { m_previewPages = pages; }

private:
    void SetUpGermanTexts();
    void LoadSettings();
    void SaveSettings();

    CDocManager* m_docManager = nullptr;
    // Cleared by the toolkit when the window goes.
    wxWeakRef<CMainFrame> m_frame;
    CWxPumpPlatform m_pumpPlatform;
    wxString m_fileToOpen;
    bool m_printAndQuit = false;
    long m_previewPages = 1;
};

wxDECLARE_APP(CTorvoApp);
