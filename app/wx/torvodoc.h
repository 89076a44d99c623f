// The document: owns the open game's facade and replaces it for every new,
// opened or pasted game.
#pragma once

#include <wx/docview.h>

#include <memory>
#include <string>

#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"
#include "rules/gamefacade.h"

class CMessagePump;

class CTorvoDoc : public wxDocument, public CDocumentPlatform {
public:
    CTorvoDoc();
    ~CTorvoDoc() override;

    virtual CGameFacade* GetFacade() const { return m_game.GetFacade(); }
    virtual CMessagePump* GetPump() const { return m_game.GetPump(); }
    // Counts the games this document has held; it changes whenever the
    // facade is replaced, so the view can tell a new game without comparing
    // pointers to freed objects.
    unsigned GameNumber() const { return m_gameNumber; }

    // The new-game step.
    bool OnNewDocument() override;
    // The game is never marked as changed, so saving must not depend on it:
    // "Speichern" always writes, to the file the game came from or to a new one.
    bool Save() override;

    // Clipboard exchange of the game as PGN text.
    void CopyToClipboard() { m_game.OnEditCopy(); }
    void PasteFromClipboard() { m_game.OnEditPaste(); }

    // The clipboard's plain text (UTF-8), for the PGN exchange. False when the
    // clipboard cannot be opened or holds no text, or when the text to put is
    // not UTF-8; the clipboard then keeps what it had.
    static bool PutClipboardText(const std::string& text);
    static bool GetClipboardText(std::string* text);

protected:
    bool DoOpenDocument(const wxString& path) override;
    bool DoSaveDocument(const wxString& path) override;

    // CDocumentPlatform
    // A new, opened or pasted game no longer belongs to the file shown before:
    // "Speichern" must ask for a name instead of overwriting that file.
    bool BeginNewDocument() override;
    void SetTitle(const char* title) override;
    void ShowMessage(const char* text, const char* caption) override;
    std::string ClipboardText() override;
    bool SetClipboardText(const std::string& text) override;
    void DocumentChanged() override;

private:
    void SetGameTitle(const wxString& title);
    // The file's own name, as the caption shows it after opening or saving.
    void TitleFromPath(const wxString& path);

    // The game and the text it came from: new game, open, save, copy, paste.
    CGameDocument m_game{this};
    unsigned m_gameNumber = 0;

    wxDECLARE_DYNAMIC_CLASS(CTorvoDoc);
};
