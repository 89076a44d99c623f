// The Windows program's document: the open game (CGameDocument) in the main
// window, which gives it the caption, message boxes, file dialogs and the
// clipboard.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "app/core/document/documentplatform.h"
#include "app/core/document/gamedocument.h"

class CRecentFiles;

class CTorvoDoc : public CDocumentPlatform {
public:
    // What the document needs of the main window.
    class Window {
    public:
        // The owner of the boxes, the file dialogs and the clipboard.
        virtual HWND Hwnd() const = 0;
        // "<title> - Torvo Halvorn Schach Programm".
        virtual void ShowCaption(const std::string& documentTitle) = 0;
        // The view drops its pick and redraws.
        virtual void DocumentChanged() = 0;

    protected:
        ~Window() = default;
    };

    // Opened and saved files join `recent`.
    CTorvoDoc(Window& window, CRecentFiles& recent);

    CGameDocument& Game() { return m_game; }

private:
    // CDocumentPlatform
    void SetTitle(const char* title) override;
    void ShowMessage(const char* text, const char* caption) override;
    void ShowStop(const char* text, const char* caption) override;
    std::string ClipboardText() override;
    bool SetClipboardText(const std::string& text) override;
    void DocumentChanged() override;
    bool AskOpenName(std::string* path) override;
    // For saving, the game's title is the proposed name: "NeuesSpiel" for a new game.
    bool AskSaveName(const std::string& current, const std::string& name, std::string* path) override;

    // The system's open or save dialog; false when it was cancelled.
    bool AskFileName(bool save, const std::string& folder, const std::string& name, std::string* path);

    Window& m_window;
    CGameDocument m_game{this};
};
