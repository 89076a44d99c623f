#include "app/wx/torvoapp.h"

#include <wx/config.h>
#include <wx/docview.h>
#include <wx/fileconf.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>

#include <cstdio>

#include "app/wx/configstore.h"
#include "app/core/frame/mainframetexts.h"
#include "app/core/document/recentfiles.h"
#include "app/core/frame/textlocale.h"
#include "app/wx/docmanager.h"
#include "app/wx/mainframe.h"
#include "app/wx/statusbar.h"
#include "app/wx/torvodoc.h"
#include "app/wx/torvoview.h"
#include "engine/messagepump.h"

wxIMPLEMENT_APP_NO_MAIN(CTorvoApp);

namespace {

constexpr const char* kPrintSwitch = "p";
constexpr const char* kFileParam = "FILE";

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

}  // namespace

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

void CTorvoApp::OnInitCmdLine(wxCmdLineParser& parser) {
    parser.AddSwitch(kPrintSwitch, wxEmptyString, "print FILE and quit");
    parser.AddParam(kFileParam, wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
    parser.SetSwitchChars("-");
}

bool CTorvoApp::OnCmdLineParsed(wxCmdLineParser& parser) {
    if (parser.GetParamCount() > 0) m_fileToOpen = parser.GetParam(0);
    m_printAndQuit = parser.Found(kPrintSwitch);
    if (m_printAndQuit && m_fileToOpen.empty()) {
        std::fprintf(stderr, "torvo: -p needs the name of a .pgn file to print\n");
        return false;
    }
    return true;
}

int CTorvoApp::FilterEvent(wxEvent& event) {
    const wxEventType type = event.GetEventType();
    if ((type == wxEVT_KEY_DOWN || type == wxEVT_KEY_UP) && m_frame && m_frame->StatusBar() &&
        static_cast<const wxKeyEvent&>(event).GetKeyCode() == WXK_SCROLL)
        m_frame->StatusBar()->OnScrollLockKey(type == wxEVT_KEY_DOWN);
    return Event_Skip;
}

void CTorvoApp::LoadSettings() {
    CConfigStore store(*wxConfigBase::Get());
    CRecentFiles recent;
    recent.Load(store);
    // Oldest first, so that File1 ends up on top again.
    for (size_t i = recent.Count(); i-- > 0;)
        m_docManager->AddFileToHistory(wxString::FromUTF8(recent.Path(i).c_str()));
    store.ReadNumber(CMainFrameTexts::kSettingsSection, CMainFrameTexts::kPreviewPagesEntry, &m_previewPages);
}

void CTorvoApp::SaveSettings() {
    wxConfigBase* config = wxConfigBase::Get();
    if (!config || !m_docManager) return;
    CConfigStore store(*config);
    CRecentFiles recent;
    for (size_t i = m_docManager->GetHistoryFilesCount(); i-- > 0;)
        recent.Add(m_docManager->GetHistoryFile(i).utf8_string());
    recent.Save(store);
    store.WriteNumber(CMainFrameTexts::kSettingsSection, CMainFrameTexts::kPreviewPagesEntry, m_previewPages);
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
    if (!wxApp::OnInit()) return false;
    // The icons are PNG pictures.
    wxImage::AddHandler(new wxPNGHandler);

    SetVendorName(U(CMainFrameTexts::kVendorName));
    SetAppName(U(CMainFrameTexts::kAppName));
    SetAppDisplayName(U(CMainFrameTexts::kWindowTitle));
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    wxConfigBase::Set(new wxFileConfig(U(CMainFrameTexts::kAppName), U(CMainFrameTexts::kVendorName)));

    TheMessagePump().SetPlatform(&m_pumpPlatform);

    m_docManager = new CDocManager;
    LoadSettings();
    // The toolkit adds the pattern to the description itself.
    const wxString description = U(CMainFrameTexts::kFilterName).BeforeFirst('(').Trim();
    new wxDocTemplate(m_docManager, description, "*" + U(CMainFrameTexts::kFileExtension),
                      wxEmptyString, U(CMainFrameTexts::kFileExtension).Mid(1), U(CMainFrameTexts::kFileTypeId),
                      U(CMainFrameTexts::kFileTypeName), wxCLASSINFO(CTorvoDoc), wxCLASSINFO(CTorvoView));
    m_docManager->SetMaxDocsOpen(1);

    m_frame = new CMainFrame(m_docManager);
    SetTopWindow(m_frame);

    // The shell command of the command line: a new game, or a file opened or printed.
    wxDocument* document = m_fileToOpen.empty() ? m_docManager->CreateNewDocument()
                                                : m_docManager->CreateDocument(m_fileToOpen, wxDOC_SILENT);
    if (!document) {
        std::fprintf(stderr, "torvo: cannot open %s\n", static_cast<const char*>(m_fileToOpen.utf8_str()));
        m_frame->Destroy();
        return false;
    }

    m_frame->Show(true);
    m_frame->Update();
    if (m_printAndQuit) {
        CallAfter([this] {
            if (auto* view = wxDynamicCast(m_docManager->GetCurrentView(), CTorvoView)) view->PrintDirect();
            m_frame->Close(true);
        });
    }
    return true;
}

int CTorvoApp::OnExit() {
    SaveSettings();
    TheMessagePump().SetThinking(0);
    TheMessagePump().SetPlatform(nullptr);
    {
        wxLogNull quiet;  // a failed write was told above
        delete wxConfigBase::Set(nullptr);
    }
    delete m_docManager;
    m_docManager = nullptr;
    return wxApp::OnExit();
}
