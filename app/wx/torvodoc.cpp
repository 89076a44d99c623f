#include "app/wx/torvodoc.h"

#include <wx/clipbrd.h>
#include <wx/filedlg.h>

#include "app/core/base/mainframetexts.h"
#include "app/core/document/filechoice.h"
#include "app/wx/messagebox.h"
#include "app/wx/utf8.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTorvoDoc, wxDocument);

namespace {

// "Torvo Files (*.pgn)|*.pgn|Alle Dateien (*.*)|*"
wxString Filter() {
    wxString filter;
    for (int i = 0; i < CFileChoice::kFilterCount; ++i)
        filter += (i > 0 ? "|" : "") + U(CFileChoice::kFilters[i].name) + "|" + U(CFileChoice::kFilters[i].pattern);
    return filter;
}

}  // namespace

CTorvoDoc::CTorvoDoc() = default;

CTorvoDoc::~CTorvoDoc() = default;

void CTorvoDoc::SetTitle(const char* title) {
    wxDocument::SetTitle(U(title));
    for (wxView* view : GetViewsVector()) view->OnChangeFilename();
}

void CTorvoDoc::ShowMessage(const char* text, const char* caption) {
    CMessageBox::Show(GetDocumentWindow(), U(text), U(caption));
}

void CTorvoDoc::ShowStop(const char* text, const char* caption) {
    CMessageBox::Show(GetDocumentWindow(), U(text), U(caption), wxOK | wxICON_ERROR);
}

std::string CTorvoDoc::ClipboardText() {
    wxClipboardLocker locker;
    if (!locker || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return std::string();
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) return std::string();
    return data.GetText().utf8_string();
}

bool CTorvoDoc::SetClipboardText(const std::string& text) {
    const wxString data = wxString::FromUTF8(text.data(), text.size());
    if (data.empty() && !text.empty()) return false;
    wxClipboardLocker locker;
    if (!locker) return false;
    return wxTheClipboard->SetData(new wxTextDataObject(data));
}

void CTorvoDoc::DocumentChanged() { UpdateAllViews(); }

bool CTorvoDoc::AskOpenName(std::string* path) {
    wxDocManager* manager = GetDocumentManager();
    wxFileDialog dialog(GetDocumentWindow(), _("Open File"), manager->GetLastDirectory(), wxEmptyString, Filter(),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return false;
    manager->SetLastDirectory(dialog.GetDirectory());
    *path = dialog.GetPath().utf8_string();
    return true;
}

bool CTorvoDoc::AskSaveName(const std::string& current, const std::string& name, std::string* path) {
    wxString folder = U(CFileChoice::SaveFolder(current));
    if (folder.empty()) folder = GetDocumentManager()->GetLastDirectory();
    const wxString chosen = wxFileSelector(_("Save As"), folder, U(name), U(CMainFrameTexts::kFileExtension + 1),
                                           Filter(), wxFD_SAVE | wxFD_OVERWRITE_PROMPT, GetDocumentWindow());
    if (chosen.empty()) return false;
    *path = chosen.utf8_string();
    return true;
}
