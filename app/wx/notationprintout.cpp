#include "app/wx/notationprintout.h"

#include "app/core/document/gamedocument.h"
#include "app/core/view/printpage.h"
#include "app/core/view/viewcontroller.h"
#include "app/wx/dcsurface.h"

namespace {

constexpr int kOnlyPage = 1;

}  // namespace

CNotationPrintout::CNotationPrintout(CViewController& controller, const CGameDocument* document)
    : wxPrintout(document ? wxString::FromUTF8(document->Title().c_str()) : wxString()), m_controller(controller) {}

void CNotationPrintout::OnBeginPrinting() { m_controller.BeginPrinting(); }

void CNotationPrintout::OnEndPrinting() { m_controller.EndPrinting(); }

bool CNotationPrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (!dc || page != kOnlyPage) return false;
    // The notation is laid out in screen pixels, on the page's text area.
    MapScreenSizeToPage();
    int ppiX = 0, ppiY = 0;
    GetPPIScreen(&ppiX, &ppiY);
    const wxRect sheet = GetLogicalPageRect();
    const CPrintPage::Rect area = CPrintPage::TextArea({sheet.GetWidth(), sheet.GetHeight(), 0, 0, ppiX, ppiY});
    OffsetLogicalOrigin(area.left, area.top);
    CDcSurface paper(*dc);
    m_controller.DrawNotation(paper, area.width);
    return true;
}

void CNotationPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = *maxPage = *pageFrom = *pageTo = kOnlyPage;
}
