#include "app/wx/torvoview.h"

#include <wx/app.h>
#include <wx/log.h>
#include <wx/print.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include "app/core/base/mainframetexts.h"
#include "app/core/frame/framecontroller.h"
#include "app/core/view/printpage.h"
#include "app/wx/boardcanvas.h"
#include "app/wx/dcsurface.h"
#include "app/wx/legalmovesdlg.h"
#include "app/wx/messagebox.h"
#include "app/wx/moveentrydlg.h"
#include "app/wx/notationprintout.h"
#include "app/wx/settingsdlg.h"
#include "app/wx/torvodoc.h"
#include "app/wx/utf8.h"
#include "app/wx/viewframe.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTorvoView, wxView);

CTorvoView::CTorvoView() = default;

CTorvoView::~CTorvoView() {
    if (m_canvas) {
        m_canvas->Detach();
        LeaveFrame();
    }
}

bool CTorvoView::OnCreate(wxDocument* doc, long flags) {
    if (!wxView::OnCreate(doc, flags)) return false;
    wxWindow* frame = wxTheApp->GetTopWindow();
    m_frame = dynamic_cast<IViewFrame*>(frame);
    if (!m_frame) return false;
    // The bitmaps come before the window; a failure is told once the window stands.
    const std::string missing = CPieceBitmaps::MissingText(m_bitmaps.Load());
    if (missing.empty())
        m_picture = std::make_unique<CBoardPicture>(m_bitmaps);
    else
        frame->CallAfter([frame, missing] {
            CMessageBox::Show(frame, U(missing.c_str()), U(CPieceBitmaps::kMissingCaption));
        });
    SetFrame(frame);
    m_canvas = new CBoardCanvas(frame, this, &m_controller);
    m_frame->SetBoardCanvas(m_canvas);
    FollowDocument();
    m_frame->Controller().AttachView(&m_controller);
    Activate(true);
    return true;
}

bool CTorvoView::OnClose(bool deleteWindow) {
    if (!wxView::OnClose(deleteWindow)) return false;
    Activate(false);
    if (m_canvas) {
        m_canvas->Detach();
        LeaveFrame();
        if (deleteWindow) {
            m_frame->SetBoardCanvas(nullptr);
            m_canvas->Destroy();
        }
        m_canvas = nullptr;
    }
    return true;
}

void CTorvoView::OnChangeFilename() {
    if (auto* frame = wxDynamicCast(GetFrame(), wxTopLevelWindow); frame && GetDocument())
        frame->SetTitle(U(CMainFrameTexts::Caption(GetDocument()->GetTitle().utf8_string()).c_str()));
}

void CTorvoView::OnUpdate(wxView*, wxObject*) {
    FollowDocument();
    m_controller.OnDocumentChanged();
}

void CTorvoView::FollowDocument() {
    CTorvoDoc* doc = wxDynamicCast(GetDocument(), CTorvoDoc);
    m_controller.SetDocument(doc ? &doc->Game() : nullptr);
}

void CTorvoView::LeaveFrame() {
    if (m_frame && m_frame->Controller().View() == &m_controller) m_frame->Controller().AttachView(nullptr);
    m_controller.SetDocument(nullptr);
}

void CTorvoView::OnDraw(wxDC* dc) {
    if (!m_canvas) return;
    CDcSurface surface(*dc, *m_canvas, m_picture.get());
    m_controller.Paint(surface);
}

wxPrintout* CTorvoView::OnCreatePrintout() { return new CNotationPrintout(m_controller, m_controller.Document()); }

void CTorvoView::Print(wxPrintDialogData* data) {
    wxPrinter printer(data);
    CNotationPrintout printout(m_controller, m_controller.Document());
    // The toolkit's silent print waits for ever for a default printer when no
    // print service answers; its dialog always comes up, offers what there
    // is and can be cancelled.
    bool printed = false;
    {
        wxLogNull quiet;  // the toolkit's own report would come as a second box
        printed = printer.Print(GetFrame(), &printout, true);
    }
    const CPrintPage::Told told = CPrintPage::Report(
        printed ? CPrintPage::kPrinted
                : (wxPrinter::GetLastError() == wxPRINTER_CANCELLED ? CPrintPage::kCancelled : CPrintPage::kRefused));
    if (told.text) CMessageBox::Show(GetFrame(), U(told.text), U(told.caption), wxOK | wxICON_EXCLAMATION);
}

void CTorvoView::Repaint(bool eraseBackground) {
    if (m_canvas) m_canvas->Refresh(eraseBackground);
}

void CTorvoView::SetScrolledSize(int width, int height) {
    if (m_canvas) m_canvas->SetScrolledSize(width, height);
}

void CTorvoView::ShowMessage(const char* text, const char* caption) {
    CMessageBox::Show(GetFrame(), U(text), U(caption));
}

bool CTorvoView::AskYesNo(const char* text, const char* caption) {
    return CMessageBox::Show(GetFrame(), U(text), U(caption), wxYES_NO) == wxID_YES;
}

bool CTorvoView::MessageBoxShowing() { return CMessageBox::Showing(); }

void CTorvoView::WaitCursor(int step) {
    if (step > 0)
        wxBeginBusyCursor();
    else if (wxIsBusy())
        wxEndBusyCursor();
}

std::string CTorvoView::ChooseLegalMove(CGameFacade* facade) {
    CLegalMovesDlg dialog(GetFrame(), facade);
    dialog.ShowModal();
    return dialog.Logic().GetMoveText();
}

std::string CTorvoView::TypeMove() {
    CMoveEntryDlg dialog(GetFrame());
    dialog.ShowModal();
    return dialog.Logic().MoveText();
}

void CTorvoView::EditSettings(CSettingsDlgLogic& settings) {
    CSettingsDlg dialog(GetFrame());
    dialog.Logic() = settings;
    dialog.ShowModal();
    settings = dialog.Logic();
}

bool CTorvoView::OpenAddress(const char* address) {
    // A failure is the controller's to tell, in the program's own box.
    wxLogNull quiet;
    return wxLaunchDefaultBrowser(U(address));
}
