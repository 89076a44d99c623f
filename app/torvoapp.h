// The application object: German framework texts, settings, the document
// template and the command line.
#pragma once

#include <wx/app.h>
#include <wx/cmdline.h>

#include "app/wxpumpplatform.h"

class CDocManager;
class CMainFrame;

class CTorvoApp : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;

    // Number of pages the print preview shows, kept between runs.
    long PreviewPages() const { return m_previewPages; }
    void SetPreviewPages(long pages) { m_previewPages = pages; }

private:
    void SetUpGermanTexts();
    void LoadSettings();
    void SaveSettings();

    CDocManager* m_docManager = nullptr;
    CMainFrame* m_frame = nullptr;
    CWxPumpPlatform m_pumpPlatform;
    wxString m_fileToOpen;
    bool m_printAndQuit = false;
    long m_previewPages = 1;
};

wxDECLARE_APP(CTorvoApp);
