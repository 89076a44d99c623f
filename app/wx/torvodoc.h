// The document: the open game (CGameDocument) on the toolkit's document,
// which gives it the caption, message boxes, file dialogs and the clipboard.
#pragma once

#include <wx/docview.h>

#include <string>

#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"

class CTorvoDoc : public wxDocument, public CDocumentPlatform {
public:
    CTorvoDoc();
    ~CTorvoDoc() override;

    CGameDocument& Game() { return m_game; }

    // The framework's new-document and save steps.
    bool OnNewDocument() override { return m_game.OnNewDocument() != 0; }
    bool Save() override { return m_game.Save(); }
    bool SaveAs() override { return m_game.SaveAs(); }

protected:
    // CDocumentPlatform
    void SetTitle(const char* title) override;
    void ShowMessage(const char* text, const char* caption) override;
    void ShowStop(const char* text, const char* caption) override;
    // The clipboard's plain text as UTF-8. Taking the clipboard empties it:
    // a text that cannot be converted leaves it as it was.
    std::string ClipboardText() override;
    bool SetClipboardText(const std::string& text) override;
    void DocumentChanged() override;
    bool AskOpenName(std::string* path) override;
    bool AskSaveName(const std::string& current, const std::string& name, std::string* path) override;

private:
    CGameDocument m_game{this};

    wxDECLARE_DYNAMIC_CLASS(CTorvoDoc);
};
