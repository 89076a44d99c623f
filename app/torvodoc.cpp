#include "app/torvodoc.h"

#include <wx/clipbrd.h>
#include <wx/filename.h>
#include <wx/log.h>

#include "app/core/mainframetexts.h"
#include "engine/messagepump.h"
#include "notation/gametags.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTorvoDoc, wxDocument);

namespace {

// What the unfinished file and clipboard steps say, so that nobody takes
// them for working ones.
constexpr const char* kNotAttached = "Noch nicht eingebaut: %s";

}  // namespace

CTorvoDoc::CTorvoDoc() : m_gameFacade(std::make_unique<CGameFacade>()) { TheMessagePump().SetThinking(0); }

CTorvoDoc::~CTorvoDoc() { TheMessagePump().SetThinking(0); }

CMessagePump* CTorvoDoc::GetPump() const { return &TheMessagePump(); }

void CTorvoDoc::SetGameTitle(const wxString& title) {
    SetTitle(title);
    for (wxView* view : GetViewsVector()) view->OnChangeFilename();
}

void CTorvoDoc::StartNewGame() {
    SetGameTitle(wxString::FromUTF8(CMainFrameTexts::kNewDocumentName));
    m_gameFacade = std::make_unique<CGameFacade>();
    ++m_gameNumber;
    m_gameFacade->UpdateResultTag()->SetDefaults();
    // A search running on the old facade gives up at its next look at the pump.
    TheMessagePump().SetThinking(0);
}

bool CTorvoDoc::OnNewDocument() {
    if (!wxDocument::OnNewDocument()) return false;
    StartNewGame();
    // "Speichern unter..." proposes the game's title as the file name.
    SetFilename(wxString::FromUTF8(CMainFrameTexts::kNewDocumentName), false);
    return true;
}

bool CTorvoDoc::Save() {
    if (!GetDocumentSaved() || GetFilename().empty()) return SaveAs();
    return OnSaveDocument(GetFilename());
}

bool CTorvoDoc::DoOpenDocument(const wxString& path) {
    // LoadPgnFile starts the new game itself, once the file has been read:
    // a file that cannot be read leaves the game on the board as it was.
    if (!LoadPgnFile(path)) return false;
    SetGameTitle(wxFileName(path).GetFullName());
    return true;
}

bool CTorvoDoc::DoSaveDocument(const wxString& path) { return SavePgnFile(path); }

bool CTorvoDoc::LoadPgnFile(const wxString& path) {
    wxLogError(kNotAttached, "PGN-Datei lesen (" + path + ")");
    return false;
}

bool CTorvoDoc::SavePgnFile(const wxString& path) {
    wxLogError(kNotAttached, "PGN-Datei schreiben (" + path + ")");
    return false;
}

bool CTorvoDoc::CopyToClipboard() {
    wxLogError(kNotAttached, "Spiel in die Zwischenablage kopieren");
    return false;
}

bool CTorvoDoc::PasteFromClipboard() {
    wxLogError(kNotAttached, "Spiel aus der Zwischenablage einfügen");
    return false;
}

bool CTorvoDoc::PutClipboardText(const std::string& text) {
    wxClipboardLocker locker;
    if (!locker) return false;
    return wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text.c_str())));
}

bool CTorvoDoc::GetClipboardText(std::string* text) {
    wxClipboardLocker locker;
    if (!locker || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return false;
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) return false;
    *text = data.GetText().utf8_string();
    return true;
}
