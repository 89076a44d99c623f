#include "app/wx/torvodoc.h"

#include <wx/clipbrd.h>
#include <wx/filename.h>
#include <wx/log.h>

#include "app/core/frame/mainframetexts.h"
#include "app/wx/messagebox.h"
#include "engine/messagepump.h"
#include "notation/gametags.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTorvoDoc, wxDocument);

CTorvoDoc::CTorvoDoc() = default;

CTorvoDoc::~CTorvoDoc() = default;

void CTorvoDoc::SetGameTitle(const wxString& title) {
    wxDocument::SetTitle(title);
    for (wxView* view : GetViewsVector()) view->OnChangeFilename();
}

void CTorvoDoc::SetTitle(const char* title) { SetGameTitle(wxString::FromUTF8(title)); }

void CTorvoDoc::TitleFromPath(const wxString& path) { SetGameTitle(wxFileName(path).GetFullName()); }

void CTorvoDoc::ShowMessage(const char* text, const char* caption) {
    wxWindow* parent = GetDocumentWindow();
    CMessageBox::Show(parent, wxString::FromUTF8(text), wxString::FromUTF8(caption));
}

std::string CTorvoDoc::ClipboardText() {
    std::string text;
    return GetClipboardText(&text) ? text : std::string();
}

bool CTorvoDoc::SetClipboardText(const std::string& text) { return PutClipboardText(text); }

// The game was replaced: a new number tells the view to drop its pick.
void CTorvoDoc::DocumentChanged() {
    ++m_gameNumber;
    UpdateAllViews();
}

bool CTorvoDoc::OnNewDocument() {
    if (!wxDocument::OnNewDocument()) return false;
    m_game.OnNewDocument();
    return true;
}

bool CTorvoDoc::BeginNewDocument() {
    // "Speichern unter..." proposes the game's title as the file name. An open
    // that succeeds names its file afterwards.
    SetFilename(wxString::FromUTF8(CMainFrameTexts::kNewDocumentName), false);
    SetDocumentSaved(false);
    return true;
}

bool CTorvoDoc::Save() {
    if (!GetDocumentSaved() || GetFilename().empty()) return SaveAs();
    return OnSaveDocument(GetFilename());
}

bool CTorvoDoc::DoOpenDocument(const wxString& path) {
    if (!m_game.OnOpenDocument(path.utf8_string())) return false;
    TitleFromPath(path);
    return true;
}

bool CTorvoDoc::DoSaveDocument(const wxString& path) {
    if (!m_game.OnSaveDocument(path.utf8_string())) return false;
    TitleFromPath(path);
    return true;
}

bool CTorvoDoc::PutClipboardText(const std::string& text) {
    // Taking the clipboard empties it: the data is made first, and a text
    // that cannot be converted leaves the clipboard as it was.
    const wxString data = wxString::FromUTF8(text.data(), text.size());
    if (data.empty() && !text.empty()) return false;
    wxClipboardLocker locker;
    if (!locker) return false;
    return wxTheClipboard->SetData(new wxTextDataObject(data));
}

bool CTorvoDoc::GetClipboardText(std::string* text) {
    wxClipboardLocker locker;
    if (!locker || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return false;
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) return false;
    *text = data.GetText().utf8_string();
    return true;
}
