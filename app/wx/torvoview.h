// The one view of the open game on wxWidgets: the docview's view of the
// document, wired to CViewController, which decides what it does; here are
// the toolkit's calls it asks for.
#pragma once

#include <wx/docview.h>
#include <wx/cmndata.h>

#include <memory>
#include <string>

#include "app/core/picture/boardpicture.h"
#include "app/core/picture/piecebitmaps.h"
#include "app/core/view/viewcontroller.h"
#include "app/core/view/viewplatform.h"

class CBoardCanvas;
class IViewFrame;

class CTorvoView : public wxView, public IViewPlatform {
public:
    CTorvoView();
    ~CTorvoView() override;

    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC* dc) override;
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void OnChangeFilename() override;
    wxPrintout* OnCreatePrintout() override;
    // Prints the notation through the platform's print dialog, with the
    // printer and paper kept in `data` (null for the defaults); a printer's
    // refusal is told in the program's box.
    void Print(wxPrintDialogData* data);
    // For the -p switch.
    void PrintDirect() { Print(nullptr); }

    CViewController& Controller() { return m_controller; }

    // IViewPlatform
    void Repaint(bool eraseBackground) override;
    void SetScrolledSize(int width, int height) override;
    void ShowMessage(const char* text, const char* caption) override;
    bool AskYesNo(const char* text, const char* caption) override;
    bool MessageBoxShowing() override;
    void WaitCursor(int step) override;
    std::string ChooseLegalMove(CGameFacade* facade) override;
    std::string TypeMove() override;
    void EditSettings(CSettingsDlgLogic& settings) override;
    bool OpenAddress(const char* address) override;

private:
    // The controller takes the toolkit's document, or none.
    void FollowDocument();
    // Out of the frame's controller, before the view goes.
    void LeaveFrame();

    CPieceBitmaps m_bitmaps;
    std::unique_ptr<CBoardPicture> m_picture;  // null when the bitmaps failed
    IViewFrame* m_frame = nullptr;
    CBoardCanvas* m_canvas = nullptr;
    CViewController m_controller{*this};

    wxDECLARE_DYNAMIC_CLASS(CTorvoView);
};
