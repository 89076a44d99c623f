#include "app/wx/torvoapp.h"

#include <wx/config.h>
#include <wx/docview.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>

#include <cstdio>

#include "app/core/base/mainframetexts.h"
#include "app/core/document/commandline.h"
#include "app/core/frame/textlocale.h"
#include "app/wx/configstore.h"
#include "app/wx/docmanager.h"
#include "app/wx/gtkglue.h"
#include "app/wx/mainframe.h"
#include "app/wx/torvodoc.h"
#include "app/wx/torvoview.h"
#include "app/wx/utf8.h"

wxIMPLEMENT_APP_NO_MAIN(CTorvoApp);

void CTorvoApp::SetUpGermanTexts() {
    // A plain wxLocale would need a generated German locale on the machine;
    // the translations alone only need the catalogue files.
    auto* translations = new wxTranslations;
    translations->SetLanguage(wxLANGUAGE_GERMAN);
    translations->AddStdCatalog();
    wxTranslations::Set(translations);
    // The toolkit's file chooser, print dialog and message-box buttons read
    // the message locale, whatever the user's own language is.
    CTextLocale::UseGerman();
}

std::vector<std::string> CTorvoApp::Arguments() const {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(argv[i].utf8_string());
    return args;
}

int CTorvoApp::FilterEvent(wxEvent& event) {
    const wxEventType type = event.GetEventType();
    // The keyboard map gives Scroll Lock no state of its own: the presses count.
    if ((type == wxEVT_KEY_DOWN || type == wxEVT_KEY_UP) && m_frame &&
        static_cast<const wxKeyEvent&>(event).GetKeyCode() == WXK_SCROLL)
        m_frame->Controller().OnLockKey(CFrameController::kScrollPane, type == wxEVT_KEY_DOWN);
    return Event_Skip;
}

void CTorvoApp::LoadSettings() {
    CConfigStore store(*wxConfigBase::Get());
    m_settings.Load(store);
}

void CTorvoApp::SaveSettings() {
    wxConfigBase* config = wxConfigBase::Get();
    if (!config) return;
    CConfigStore store(*config);
    m_settings.Save(store);
    // The toolkit writes the file but does not make its folder; on a fresh
    // account there is no ~/.config yet. Its own error box would come after
    // the window has gone, so a failure is told on the error output instead.
    const wxFileName file = wxFileConfig::GetLocalFileName(U(CMainFrameTexts::kAppName));
    wxLogNull quiet;
    if (!wxFileName::DirExists(file.GetPath())) wxFileName::Mkdir(file.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    if (!config->Flush())
        std::fprintf(stderr, "torvo: cannot write the settings to %s\n",
                     static_cast<const char*>(file.GetFullPath().utf8_str()));
}

bool CTorvoApp::OnInit() {
    SetUpGermanTexts();
    // Not wxApp::OnInit, whose parser would read the command line its own
    // way: it is the program's (CCommandLine), as on Windows.
    // The icons are PNG pictures.
    wxImage::AddHandler(new wxPNGHandler);

    SetVendorName(U(CMainFrameTexts::kVendorName));
    SetAppName(U(CMainFrameTexts::kAppName));
    SetAppDisplayName(U(CMainFrameTexts::kWindowTitle));
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    wxConfigBase::Set(new wxFileConfig(U(CMainFrameTexts::kAppName), U(CMainFrameTexts::kVendorName)));
    LoadSettings();

    m_run.UsePump(&m_pumpPlatform);

    m_docManager = new CDocManager;
    // The toolkit adds the pattern to the description itself.
    const wxString description = U(CMainFrameTexts::kFilterName).BeforeFirst('(').Trim();
    new wxDocTemplate(m_docManager, description, "*" + U(CMainFrameTexts::kFileExtension),
                      wxEmptyString, U(CMainFrameTexts::kFileExtension).Mid(1), U(CMainFrameTexts::kFileTypeId),
                      U(CMainFrameTexts::kFileTypeName), wxCLASSINFO(CTorvoDoc), wxCLASSINFO(CTorvoView));
    m_docManager->SetMaxDocsOpen(1);

    m_frame = new CMainFrame(m_docManager, m_settings.RecentFiles());
    SetTopWindow(m_frame);

    CTorvoDoc* document = m_docManager->MakeDocument();
    if (document) document->Game().UseRecentFiles(&m_settings.RecentFiles());
    m_run.Start(document ? &document->Game() : nullptr, CCommandLine::Parse(Arguments()));
    return true;
}

void CTorvoApp::ShowMainWindow() {
    CGtkGlue::Realize(m_frame);
    m_frame->Show(true);
    m_frame->FocusBoard();
    m_frame->Update();
}

void CTorvoApp::PrintWhenShown() {
    CallAfter([this] { m_run.PrintAndClose(); });
}

void CTorvoApp::PrintDirect() {
    if (auto* view = wxDynamicCast(m_docManager->GetCurrentView(), CTorvoView)) view->PrintDirect();
}

void CTorvoApp::CloseMainWindow() {
    if (m_frame) m_frame->Close(true);
}

// A start that failed ends the program at once, with its exit code.
int CTorvoApp::OnRun() { return m_run.Started() ? wxApp::OnRun() : m_run.ExitCode(); }

int CTorvoApp::OnExit() {
    m_run.End();
    {
        wxLogNull quiet;  // a failed write was told above
        delete wxConfigBase::Set(nullptr);
    }
    delete m_docManager;
    m_docManager = nullptr;
    return wxApp::OnExit();
}
