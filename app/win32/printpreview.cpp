#include "app/win32/printpreview.h"

#include <memory>

#include "app/core/base/mainframetexts.h"
#include "app/win32/notationprint.h"

CPrintPreview::CPrintPreview(CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer)
    : m_facade(facade), m_title(documentTitle), m_printer(printer) {}

void CPrintPreview::Show(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer) {
    CPreviewWindow::Show(owner, std::make_unique<CPrintPreview>(facade, documentTitle, printer), Labels(documentTitle),
                         printer);
}

HWND CPrintPreview::Create(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer,
                           HDC paperDc) {
    return CPreviewWindow::Create(owner, std::make_unique<CPrintPreview>(facade, documentTitle, printer),
                                  Labels(documentTitle), paperDc);
}

CPreviewWindow::Labels CPrintPreview::Labels(const char* documentTitle) {
    return {CMainFrameTexts::PreviewCaption(documentTitle), CMainFrameTexts::kPreviewPrintText,
            CMainFrameTexts::kPreviewCloseText};
}

void CPrintPreview::Draw(HDC dc, const CPrintPage::Paper& paper) { CNotationPrint::DrawPage(dc, m_facade, paper); }

void CPrintPreview::Print(HWND preview) { CNotationPrint::Print(preview, m_facade, m_title.c_str(), m_printer); }
