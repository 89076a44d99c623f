// "Druck &Vorschau": the notation's page in the kit's print preview, modal
// over the main window; "Drucken" prints it on the kept printer (with the
// print dialog) and then closes the preview.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "app/win32/kit/previewwindow.h"

class CGameFacade;
class CPrinterSettings;

class CPrintPreview : public CPreviewWindow::Page {
public:
    static void Show(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer);
    // The preview window alone (CPreviewWindow::Create), for paperDc's page.
    static HWND Create(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer,
                       HDC paperDc);

    CPrintPreview(CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer);

private:
    // The preview's caption, with the document's title, and its buttons.
    static CPreviewWindow::Labels Labels(const char* documentTitle);

    void Draw(HDC dc, const CPrintPage::Paper& paper) override;
    void Print(HWND preview) override;

    CGameFacade& m_facade;
    std::string m_title;
    CPrinterSettings& m_printer;
};
