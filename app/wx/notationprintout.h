// One printed page: the game's notation, drawn by the view.
#pragma once

#include <wx/print.h>

class CTorvoView;

class CNotationPrintout : public wxPrintout {
public:
    explicit CNotationPrintout(CTorvoView* view);

    void OnBeginPrinting() override;
    void OnEndPrinting() override;
    bool OnPrintPage(int page) override;
    bool HasPage(int page) override { return page == 1; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;

private:
    CTorvoView* m_view;
};
