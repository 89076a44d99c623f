// The application object: German framework texts, settings, the document
// template and the command line; the run itself is CAppRun's, which asks
// for the toolkit's calls here.
#pragma once

#include <wx/app.h>
#include <wx/weakref.h>

#include <string>
#include <vector>

#include "app/core/document/appsettings.h"
#include "app/core/frame/appplatform.h"
#include "app/core/frame/apprun.h"
#include "app/wx/mainframe.h"
#include "app/wx/wxpumpplatform.h"

class CDocManager;

class CTorvoApp : public wxApp, public IAppPlatform {
public:
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;
    // Sees Scroll Lock presses in every window of the program.
    int FilterEvent(wxEvent& event) override;

    // IAppPlatform
    void ShowMainWindow() override;
    void PrintWhenShown() override;
    void PrintDirect() override;
    void CloseMainWindow() override;
    void SaveSettings() override;

private:
    void SetUpGermanTexts();
    // The arguments after the program's name, UTF-8, those of the toolkit taken out.
    std::vector<std::string> Arguments() const;
    void LoadSettings();

    CDocManager* m_docManager = nullptr;
    // Cleared by the toolkit when the window goes.
    wxWeakRef<CMainFrame> m_frame;
    CWxPumpPlatform m_pumpPlatform;
    CAppSettings m_settings;
    CAppRun m_run{*this};
};

wxDECLARE_APP(CTorvoApp);
