// The application object: German framework texts, settings, the document
// template and the command line.
#pragma once

#include <wx/app.h>
#include <wx/weakref.h>

#include <string>
#include <vector>

#include "app/core/document/appsettings.h"
#include "app/core/document/gamedocument.h"
#include "app/wx/mainframe.h"
#include "app/wx/wxpumpplatform.h"

class CDocManager;

class CTorvoApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;
    // Sees Scroll Lock presses in every window of the program.
    int FilterEvent(wxEvent& event) override;

private:
    void SetUpGermanTexts();
    // The arguments after the program's name, UTF-8, those of the toolkit taken out.
    std::vector<std::string> Arguments() const;
    void LoadSettings();
    void SaveSettings();

    CDocManager* m_docManager = nullptr;
    // Cleared by the toolkit when the window goes.
    wxWeakRef<CMainFrame> m_frame;
    CWxPumpPlatform m_pumpPlatform;
    CAppSettings m_settings;
    int m_exitCode = CGameDocument::kStarted;
};

wxDECLARE_APP(CTorvoApp);
