// The document: owns the open game's facade and replaces it for every new,
// opened or pasted game.
#pragma once

#include <wx/docview.h>

#include <memory>
#include <string>

#include "rules/gamefacade.h"

class CMessagePump;

class CTorvoDoc : public wxDocument {
public:
    CTorvoDoc();
    ~CTorvoDoc() override;

    virtual CGameFacade* GetFacade() const { return m_gameFacade.get(); }
    virtual CMessagePump* GetPump() const;
    // Counts the games this document has held; it changes whenever the
    // facade is replaced, so the view can tell a new game without comparing
    // pointers to freed objects.
    unsigned GameNumber() const { return m_gameNumber; }

    // The new-game step.
    bool OnNewDocument() override;
    // The game is never marked as changed, so saving must not depend on it:
    // "Speichern" always writes, to the file the game came from or to a new one.
    bool Save() override;

    // Clipboard exchange of the game as PGN text. TODO(lead): attach the PGN
    // record writer and reader; until then both report that they are missing.
    bool CopyToClipboard();
    bool PasteFromClipboard();

    // The clipboard's plain text (UTF-8), for the PGN exchange. False when the
    // clipboard cannot be opened or holds no text.
    static bool PutClipboardText(const std::string& text);
    static bool GetClipboardText(std::string* text);

protected:
    bool DoOpenDocument(const wxString& path) override;
    bool DoSaveDocument(const wxString& path) override;

private:
    // The new-game step without the framework's part: title, new facade,
    // default tags, thinking off.
    void StartNewGame();
    // Reads a PGN file, then runs StartNewGame and replays its moves; false,
    // with the game untouched, when the file cannot be read.
    // TODO(lead): attach the PGN reader.
    bool LoadPgnFile(const wxString& path);
    // Writes the game as a PGN file. TODO(lead): attach the record writer.
    bool SavePgnFile(const wxString& path);
    void SetGameTitle(const wxString& title);

    std::unique_ptr<CGameFacade> m_gameFacade;
    // TODO(lead): m_storedText, the CPgnText of the last opened or pasted game.
    unsigned m_gameNumber = 0;

    wxDECLARE_DYNAMIC_CLASS(CTorvoDoc);
};
