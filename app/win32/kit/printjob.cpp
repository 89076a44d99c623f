#include "app/win32/kit/printjob.h"

#include <string>

#include "app/win32/kit/printersettings.h"
#include "app/win32/kit/widetext.h"

bool CPrintJob::PrintPage(HDC printerDc, const char* documentName,
                          const std::function<void(HDC, const CPrintPage::Paper&)>& draw) {
    const std::wstring name = CWideText::Wide(documentName);
    DOCINFOW document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    if (StartDocW(printerDc, &document) <= 0) return false;
    bool printed = false;
    if (StartPage(printerDc) > 0) {
        draw(printerDc, CPrinterSettings::PaperOf(printerDc));
        printed = EndPage(printerDc) > 0;
    }
    if (printed)
        printed = EndDoc(printerDc) > 0;
    else
        AbortDoc(printerDc);
    return printed;
}
