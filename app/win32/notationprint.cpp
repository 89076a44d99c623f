#include "app/win32/notationprint.h"

#include "app/core/base/mainframetexts.h"
#include "app/win32/gdinotation.h"
#include "app/win32/kit/printersettings.h"
#include "app/win32/kit/messagebox.h"
#include "app/win32/kit/printjob.h"

void CNotationPrint::Print(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer) {
    HDC dc = printer.ChoosePrinter(owner);
    if (!dc) return;
    PrintOn(owner, dc, facade, documentTitle);
    DeleteDC(dc);
}

void CNotationPrint::PrintDirect(HWND owner, CGameFacade& facade, const char* documentTitle,
                                 CPrinterSettings& printer) {
    // The shell means the default printer, without asking. The dialog comes
    // up all the same, as in the Linux program: where no printer is set up
    // (a fresh system, Wine) a silent print could only fail unseen, and the
    // dialog says so, shows what printers there are and can be cancelled.
    Print(owner, facade, documentTitle, printer);
}

bool CNotationPrint::PrintOn(HWND owner, HDC printerDc, CGameFacade& facade, const char* documentTitle) {
    const bool printed = CPrintJob::PrintPage(
        printerDc, documentTitle, [&facade](HDC dc, const CPrintPage::Paper& paper) { DrawPage(dc, facade, paper); });
    const CPrintPage::Told told = CPrintPage::Report(printed ? CPrintPage::kPrinted : CPrintPage::kRefused);
    if (told.text) CMessageBox::Show(owner, told.text, told.caption, MB_OK | MB_ICONEXCLAMATION);
    return printed;
}

CNotationLayout::Extent CNotationPrint::DrawPage(HDC dc, CGameFacade& facade, const CPrintPage::Paper& paper) {
    const CPrintPage::Rect area = CPrintPage::TextArea(paper);
    return CGdiNotation::Draw(dc, facade, area.left, area.top, area.width);
}
