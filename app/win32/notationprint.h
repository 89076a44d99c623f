// Printing the notation: one page, the game's PGN text fitted to the
// paper's width inside the margins, through the print dialog.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/base/mainframetexts.h"
#include "app/core/view/notationlayout.h"
#include "app/core/view/printpage.h"
#include "app/win32/kit/printersettings.h"

class CGameFacade;

class CNotationPrint {
public:
    // What the printer's boxes say.
    static constexpr CPrinterSettings::Texts kPrinterTexts = {
        CMainFrameTexts::kPrintCaption, CMainFrameTexts::kNoPrinterText, CMainFrameTexts::kPrintDialogFailedFormat};

    // "&Drucken...": the print dialog on the kept printer, then the page; a
    // cancel does nothing. The spooler lists the job by the document's title.
    static void Print(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer);
    // The shell's print command for a file on the command line.
    static void PrintDirect(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer);
    // The page as one spooler job on a printer's DC; false, and the user
    // told, when the printer refused it.
    static bool PrintOn(HWND owner, HDC printerDc, CGameFacade& facade, const char* documentTitle);

    // The notation inside the paper's margins, on a DC in the paper's dots.
    static CNotationLayout::Extent DrawPage(HDC dc, CGameFacade& facade, const CPrintPage::Paper& paper);
};
