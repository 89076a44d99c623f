// What the desktop platform gives the game document: the framework's
// new-document step, the caption, message boxes, the file dialogs, the
// clipboard and the view's redraw.
#pragma once

#include <string>

class CDocumentPlatform {
public:
    virtual ~CDocumentPlatform() = default;

    // The framework's own new-document step; false keeps the old game.
    virtual bool BeginNewDocument() { return true; }
    // Shows the game's title in the window's caption.
    virtual void SetTitle(const char* title) = 0;
    // A modal message box with only an OK button.
    virtual void ShowMessage(const char* text, const char* caption) = 0;
    // The same for an error that ends the program.
    virtual void ShowStop(const char* text, const char* caption) { ShowMessage(text, caption); }
    // The clipboard's text, whole; empty when it holds none.
    virtual std::string ClipboardText() = 0;
    // False when the clipboard could not take the text.
    virtual bool SetClipboardText(const std::string& text) = 0;
    // The game was replaced or reloaded: the view drops its pick and redraws whole.
    virtual void DocumentChanged() = 0;
    // The system's file dialogs; false when cancelled, as where there are none.
    // Saving proposes `name`, in the folder of `current` when the game has a file.
    virtual bool AskOpenName(std::string* /*path*/) { return false; }
    virtual bool AskSaveName(const std::string& /*current*/, const std::string& /*name*/, std::string* /*path*/) {
        return false;
    }
};
