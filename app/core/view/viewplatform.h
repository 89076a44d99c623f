// What the view's controller asks of the toolkit around it: the view's
// window, boxes, dialogs and cursor, and the system's browser. Each shell's
// view implements it with its toolkit's calls; the document and the frame
// are wired to the controller itself.
#pragma once

#include <string>

class CGameFacade;
class CSettingsDlgLogic;

class IViewPlatform {
public:
    virtual ~IViewPlatform() = default;

    // Asks for a paint of the whole view, erasing the background first or not.
    virtual void Repaint(bool eraseBackground) = 0;
    // The area the view's content takes, to scroll over; 0 x 0 for the
    // board, which never scrolls.
    virtual void SetScrolledSize(int width, int height) = 0;
    // Modal boxes: with an OK button, and with Yes and No (true for Yes).
    virtual void ShowMessage(const char* text, const char* caption) = 0;
    virtual bool AskYesNo(const char* text, const char* caption) = 0;
    // One of the program's message boxes is up, whoever showed it.
    virtual bool MessageBoxShowing() = 0;
    // +1 switches the wait cursor on, -1 off.
    virtual void WaitCursor(int step) = 0;

    // The dialogs, shown modally: the text of the move the user chose or
    // typed, "" for none; the settings take the dialog's fields as it leaves them.
    virtual std::string ChooseLegalMove(CGameFacade* facade) = 0;
    virtual std::string TypeMove() = 0;
    virtual void EditSettings(CSettingsDlgLogic& settings) = 0;
    // The address in the user's browser; false when the system could not open it.
    virtual bool OpenAddress(const char* address) = 0;
};
