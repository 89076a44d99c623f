// One printed page: the game's notation, as the view's controller draws it.
#pragma once

#include <wx/print.h>

class CGameDocument;
class CViewController;

class CNotationPrintout : public wxPrintout {
public:
    // The print job is named after the game, as the document's title shows it.
    CNotationPrintout(CViewController& controller, const CGameDocument* document);

    void OnBeginPrinting() override;
    void OnEndPrinting() override;
    bool OnPrintPage(int page) override;
    bool HasPage(int page) override { return page == 1; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;

private:
    CViewController& m_controller;
};
