// What the frame's controller asks of the main window around it: the
// status bar's panes, the bars, the boxes, printing and closing. Each
// shell's main frame implements it with its toolkit's calls; the view is
// attached to the controller itself.
#pragma once

#include "app/core/frame/reportfiles.h"

class IFramePlatform {
public:
    enum Bar { kToolbar, kStatusBar };

    virtual ~IFramePlatform() = default;

    // A pane of the status bar: the message, or an indicator (empty when off).
    virtual void SetPaneText(int pane, const char* text) = 0;
    // The system's reading of the lock key an indicator pane shows.
    virtual bool LockKeyOn(int pane) = 0;
    // Where an indicator's pane lies on the screen, the room its text may take
    // and the width of its text (`pane->text`); false while it is not on the screen.
    virtual bool MeasurePane(int pane, CReportFiles::Pane* measured) = 0;

    virtual bool BarShown(Bar bar) = 0;
    virtual void ShowBar(Bar bar, bool show) = 0;

    // A modal box with an OK button; the about box.
    virtual void ShowMessage(const char* text, const char* caption) = 0;
    virtual void ShowAbout() = 0;
    // The toolkit's printing of the notation: through the print dialog, in the
    // print preview; and the printer's setup.
    virtual void Print() = 0;
    virtual void PrintPreview() = 0;
    virtual void PrintSetup() = 0;

    // Asks the window to close, as its close box does; and the same once the
    // handler running now has returned.
    virtual void CloseWindow() = 0;
    virtual void CloseLater() = 0;
};
