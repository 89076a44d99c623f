#include "app/wx/notationprintout.h"

#include "app/core/view/printpage.h"
#include "app/core/view/viewcontroller.h"
#include "app/wx/dcsurface.h"

namespace {

constexpr int kOnlyPage = 1;

}  // namespace

CNotationPrintout::CNotationPrintout(CViewController& controller) : wxPrintout("Torvo"), m_controller(controller) {}

void CNotationPrintout::OnBeginPrinting() { m_controller.BeginPrinting(); }

void CNotationPrintout::OnEndPrinting() { m_controller.EndPrinting(); }

bool CNotationPrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (!dc || page != kOnlyPage) return false;
    // The notation is laid out in screen pixels, inside a margin that
    // printers can print on.
    MapScreenSizeToPage();
    int ppiX = 0, ppiY = 0;
    GetPPIScreen(&ppiX, &ppiY);
    const wxCoord marginX = CPrintPage::MillimetresToDots(CPrintPage::kMarginMillimetres, ppiX);
    const wxCoord marginY = CPrintPage::MillimetresToDots(CPrintPage::kMarginMillimetres, ppiY);
    OffsetLogicalOrigin(marginX, marginY);
    // The lines are fitted to the page between the margins.
    CDcSurface paper(*dc);
    m_controller.DrawNotation(paper, GetLogicalPageRect().GetWidth() - 2 * marginX);
    return true;
}

void CNotationPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = *maxPage = *pageFrom = *pageTo = kOnlyPage;
}
