#include "app/win32/notationprint.h"

#include <string>

#include "app/win32/gdinotation.h"
#include "app/win32/kit/printersettings.h"
#include "app/win32/kit/messagebox.h"
#include "app/win32/kit/widetext.h"

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
    const std::wstring name = CWideText::Wide(documentTitle);
    DOCINFOW document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    bool printed = false;
    if (StartDocW(printerDc, &document) > 0) {
        if (StartPage(printerDc) > 0) {
            DrawPage(printerDc, facade, CPrinterSettings::PaperOf(printerDc));
            printed = EndPage(printerDc) > 0;
        }
        if (printed)
            printed = EndDoc(printerDc) > 0;
        else
            AbortDoc(printerDc);
    }
    if (!printed)
        CMessageBox::Show(owner, kPrintFailedText, CPrinterSettings::kCaption, MB_OK | MB_ICONEXCLAMATION);
    return printed;
}

CNotationLayout::Extent CNotationPrint::DrawPage(HDC dc, CGameFacade& facade, const CPrintPage::Paper& paper) {
    const CPrintPage::Rect area = CPrintPage::TextArea(paper);
    return CGdiNotation::Draw(dc, facade, area.left, area.top, area.width);
}
