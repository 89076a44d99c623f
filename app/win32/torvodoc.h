// The Windows program's document: the open game (CGameDocument) with the
// file it belongs to; the file commands' dialogs and the clipboard.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"

class CMainFrame;

class CTorvoDoc : public CDocumentPlatform {
public:
    explicit CTorvoDoc(CMainFrame& frame) : m_frame(frame) {}

    CGameFacade* GetFacade() const { return m_game.GetFacade(); }
    CMessagePump* GetPump() const { return m_game.GetPump(); }
    // Changes whenever the facade is replaced.
    long GameNumber() const { return m_gameNumber; }
    const std::string& Title() const { return m_title; }
    // The file the game was opened from or saved to; empty for a new game.
    const std::string& Path() const { return m_path; }

    bool OnNewDocument() { return m_game.OnNewDocument() != 0; }
    // The open step for a named file (UTF-8); on success the file is the newest recent one.
    bool OpenFile(const std::string& path);
    // "&Öffnen...": the file dialog, then the open step.
    void Open();
    // "&Speichern": to the game's own file, or as "Speichern &unter..." when it has none.
    bool Save();
    bool SaveAs();
    void Copy() { m_game.OnEditCopy(); }
    void Paste() { m_game.OnEditPaste(); }

    // The file dialogs' filter: our files, then all files.
    static std::wstring Filter();

private:
    // CDocumentPlatform
    bool BeginNewDocument() override;
    void SetTitle(const char* title) override;
    void ShowMessage(const char* text, const char* caption) override;
    std::string ClipboardText() override;
    bool SetClipboardText(const std::string& text) override;
    void DocumentChanged() override;

    // The system's open or save dialog; false when it was cancelled.
    bool AskFileName(bool save, std::string* path);
    bool SaveTo(const std::string& path);
    void TitleFromPath(const std::string& path);

    CMainFrame& m_frame;
    std::string m_title;
    std::string m_path;
    long m_gameNumber = 0;
    CGameDocument m_game{this};
};
