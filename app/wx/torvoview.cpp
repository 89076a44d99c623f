#include "app/wx/torvoview.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/settings.h>
#include <wx/print.h>
#include <wx/utils.h>

#include "app/wx/boardcanvas.h"
#include "app/core/view/notationlayout.h"
#include "app/core/view/textmeasurer.h"
#include "app/core/frame/commandids.h"
#include "app/core/frame/mainframetexts.h"
#include "app/wx/legalmovesdlg.h"
#include "app/wx/mainframe.h"
#include "app/wx/messagebox.h"
#include "app/wx/moveentrydlg.h"
#include "app/wx/notationprintout.h"
#include "app/wx/settingsdlg.h"
#include "app/wx/statusbar.h"
#include "app/wx/torvodoc.h"
#include "rules/displaytext.h"
#include "engine/messagepump.h"
#include "rules/gamefacade.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTorvoView, wxView);

wxBEGIN_EVENT_TABLE(CTorvoView, wxView)
    EVT_MENU(cmd::ToolkitId(cmd::kFlipBoard), CTorvoView::OnFlipBoardCmd)
    EVT_MENU(cmd::ToolkitId(cmd::kToggleNotation), CTorvoView::OnToggleNotationCmd)
    EVT_MENU(cmd::ToolkitId(cmd::kSettings), CTorvoView::OnSettingsCmd)
    EVT_MENU(cmd::ToolkitId(cmd::kEnterMove), CTorvoView::OnEnterMoveCmd)
    EVT_MENU(cmd::ToolkitId(cmd::kLegalMoves), CTorvoView::OnLegalMovesCmd)
    EVT_MENU(cmd::ToolkitId(cmd::kComputerMove), CTorvoView::OnComputerMoveCmd)
    EVT_MENU(cmd::ToolkitId(cmd::kSuggestion), CTorvoView::OnSuggestionCmd)
    EVT_MENU(cmd::ToolkitId(cmd::kEditCopy), CTorvoView::OnEditCopyCmd)
    EVT_MENU(cmd::ToolkitId(cmd::kEditPaste), CTorvoView::OnEditPasteCmd)
    EVT_MENU(cmd::ToolkitId(cmd::kHomepage), CTorvoView::OnHomepageCmd)
wxEND_EVENT_TABLE()

namespace {


wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
wxString U(const std::string& utf8) { return wxString::FromUTF8(utf8.c_str()); }

}  // namespace

CTorvoView::CTorvoView() = default;

CTorvoView::~CTorvoView() {
    if (m_canvas) m_canvas->Detach();
}

CTorvoDoc* CTorvoView::Doc() const { return wxDynamicCast(GetDocument(), CTorvoDoc); }

CMainFrame* CTorvoView::Frame() const { return wxDynamicCast(GetFrame(), CMainFrame); }

CGameFacade* CTorvoView::Facade() {
    CTorvoDoc* doc = Doc();
    if (!doc) return nullptr;
    m_facade = doc->GetFacade();
    return m_facade;
}

CMessagePump* CTorvoView::Pump() {
    CTorvoDoc* doc = Doc();
    return doc ? doc->GetPump() : &TheMessagePump();
}

void CTorvoView::SetStatusText(const char* text) { SetStatusText(U(text)); }

void CTorvoView::ShowMessage(const char* text, const char* caption) {
    CMessageBox::Show(GetFrame(), U(text), U(caption));
}

void CTorvoView::ShowBoard() {
    // The notation goes; the board comes back on a clean area.
    if (m_showNotation == kBoardNotation) return;
    m_showNotation = kBoardNotation;
    Repaint(true);
}

void CTorvoView::WaitCursor(int step) {
    if (step > 0)
        wxBeginBusyCursor();
    else if (wxIsBusy())
        wxEndBusyCursor();
}

bool CTorvoView::OnCreate(wxDocument* doc, long flags) {
    if (!wxView::OnCreate(doc, flags)) return false;
    CMainFrame* frame = wxDynamicCast(wxTheApp->GetTopWindow(), CMainFrame);
    if (!frame) return false;
    LoadPieceBitmaps();
    SetFrame(frame);
    m_canvas = new CBoardCanvas(frame, this);
    frame->SetBoardCanvas(m_canvas);
    SetStatusBar(frame->StatusBar());
    Activate(true);
    return true;
}

bool CTorvoView::OnClose(bool deleteWindow) {
    if (!wxView::OnClose(deleteWindow)) return false;
    Activate(false);
    if (m_canvas) {
        m_canvas->Detach();
        if (deleteWindow) {
            if (CMainFrame* frame = Frame()) frame->SetBoardCanvas(nullptr);
            m_canvas->Destroy();
        }
        m_canvas = nullptr;
    }
    return true;
}

void CTorvoView::OnActivateView(bool activate, wxView*, wxView*) {
    if (activate)
        if (CMainFrame* frame = Frame()) SetStatusBar(frame->StatusBar());
}

void CTorvoView::OnChangeFilename() {
    if (CMainFrame* frame = Frame(); frame && GetDocument())
        frame->SetTitle(U(CMainFrameTexts::Caption(static_cast<const char*>(GetDocument()->GetTitle().utf8_str()))));
}

void CTorvoView::OnUpdate(wxView*, wxObject*) { Repaint(true); }

void CTorvoView::Repaint(bool eraseBackground) {
    m_paintStatus.Requested();
    if (m_canvas) m_canvas->Refresh(eraseBackground);
}

void CTorvoView::SetStatusText(const wxString& text) {
    // A command's own text: a box shown with it keeps it (see CPaintStatus).
    m_paintStatus.TextWritten();
    if (m_statusBar) m_statusBar->ShowMessage(text);
}

void CTorvoView::OnDraw(wxDC* dc) {
    if (m_showNotation == kBoardNotation) {
        if (m_canvas) m_canvas->SetScrolledSize(0, 0);
        DrawBoard(*dc);
        return;
    }
    if (!m_canvas) return;
    const CNotationLayout::Extent extent = DrawNotation(*dc, m_canvas->GetClientSize().GetWidth());
    m_canvas->SetScrolledSize(extent.width, extent.height);
}

void CTorvoView::LoadPieceBitmaps() {
    const char* error = m_bitmaps.Load();
    if (*error) {
        wxLogError("%s", U(error));
        return;
    }
    m_picture = std::make_unique<CBoardPicture>(m_bitmaps);
}

void CTorvoView::DrawBoard(wxDC& dc) {
    CGameFacade* facade = Facade();
    if (!facade || !m_picture || !m_canvas) return;
    const CSquarePicker& picker = m_moves.Picker();
    const CPixelBuffer& picture = m_picture->Build(*facade, picker.IsFlipped(), picker.HasSelection(),
                                                   picker.SelColumn(), picker.SelRow());
    // The picture's rows are wxImage's layout; the image only borrows them.
    wxImage image(picture.Width(), picture.Height(), const_cast<unsigned char*>(picture.Data()), true);
    wxBitmap bitmap(image);
    wxMemoryDC source(bitmap);
    const wxSize size = m_canvas->GetClientSize();
    dc.StretchBlit(0, 0, size.GetWidth(), size.GetHeight(), &source, 0, 0, picture.Width(), picture.Height(),
                   wxCOPY);
    if (m_paintStatus.OnPaint(size.GetWidth(), size.GetHeight(), CMessageBox::Showing()) && m_statusBar)
        m_statusBar->ShowMessage(U(DisplayText(facade->StatusText())));
}

namespace {

// Line sizes as the device that draws the notation measures them.
class CDcMeasurer : public CTextMeasurer {
public:
    explicit CDcMeasurer(wxDC& dc) : m_dc(dc) {}
    int TextHeight(const char* text) override { return m_dc.GetTextExtent(U(text)).GetHeight(); }
    int TextWidth(const char* text) override { return m_dc.GetTextExtent(U(text)).GetWidth(); }

private:
    wxDC& m_dc;
};

}  // namespace

CNotationLayout::Extent CTorvoView::DrawNotation(wxDC& dc, int width) {
    CGameFacade* facade = Facade();
    if (!facade) return {0, 0};
    CDcMeasurer measurer(dc);
    CNotationLayout layout;
    layout.Layout(*facade, measurer);
    // The font is sized so that the longest line fills the width; the
    // lines' places follow from the size, so they are laid out again.
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    const int points = CNotationLayout::FitPoints(
        [&](int size) {
            font.SetPointSize(size);
            dc.SetFont(font);
            return layout.WidestLine(measurer);
        },
        width - CNotationLayout::kLeft);
    font.SetPointSize(points);
    dc.SetFont(font);
    for (const CNotationLayout::Draw& draw : layout.Layout(*facade, measurer))
        dc.DrawText(U(draw.text), draw.x, draw.y);
    return layout.Measure(measurer);
}

int CTorvoView::ClickFlags(const wxMouseEvent& event) {
    const bool otherDown = event.MiddleIsDown() || event.RightIsDown() || event.Aux1IsDown() || event.Aux2IsDown();
    return (event.ShiftDown() || event.ControlDown() || otherDown) ? kClickLeft | kClickOther : kClickLeft;
}

long CTorvoView::GameNumber() {
    CTorvoDoc* doc = Doc();
    return doc ? static_cast<long>(doc->GameNumber()) : 0;
}

bool CTorvoView::AskYesNo(const char* text, const char* caption) {
    return CMessageBox::Show(GetFrame(), U(text), U(caption), wxYES_NO) == wxID_YES;
}

std::string CTorvoView::ChooseLegalMove(CGameFacade* facade) {
    CLegalMovesDlg dialog(GetFrame(), facade);
    dialog.ShowModal();
    return dialog.HasMove() ? dialog.GetMoveText() : std::string();
}

std::string CTorvoView::TypeMove() {
    CMoveEntryDlg dialog(GetFrame());
    dialog.ShowModal();
    return dialog.Logic().MoveText();
}

void CTorvoView::OnBoardClick(int flags, int x, int y) {
    CMainFrame::ThinkingScope scope(Frame());
    if (!m_canvas) return;
    const wxSize size = m_canvas->GetClientSize();
    m_moves.OnBoardClick(flags == kClickLeft, x, y, size.GetWidth(), size.GetHeight());
}

void CTorvoView::OnLegalMoves() {
    CMainFrame::ThinkingScope scope(Frame());
    m_moves.OnLegalMoves();
}

void CTorvoView::OnFlipBoardCmd(wxCommandEvent&) { m_moves.OnFlipBoard(); }

void CTorvoView::OnToggleNotationCmd(wxCommandEvent&) {
    m_showNotation = m_showNotation != kBoardNotation ? kBoardNotation : kUserNotation;
    Repaint(true);
}

void CTorvoView::OnSettingsCmd(wxCommandEvent&) {
    CSettingsDlg dialog(GetFrame());
    dialog.Logic().m_autoReply = m_moves.AutoReply();
    dialog.Logic().m_level = m_level;
    dialog.ShowModal();
    m_moves.SetAutoReply(dialog.Logic().m_autoReply);
    m_level = dialog.Logic().m_level;
}

void CTorvoView::OnEnterMoveCmd(wxCommandEvent&) {
    CMainFrame::ThinkingScope scope(Frame());
    m_moves.OnEnterMove();
}

void CTorvoView::OnLegalMovesCmd(wxCommandEvent&) { OnLegalMoves(); }

void CTorvoView::OnComputerMoveCmd(wxCommandEvent&) {
    CMainFrame::ThinkingScope scope(Frame());
    ComputerMove();
}

void CTorvoView::OnSuggestionCmd(wxCommandEvent&) {
    CMainFrame::ThinkingScope scope(Frame());
    Suggestion();
}

void CTorvoView::ComputerMove() { m_thinking.OnComputerMove(); }

void CTorvoView::Suggestion() { m_thinking.OnSuggestion(); }

void CTorvoView::OnEditCopyCmd(wxCommandEvent&) {
    if (CTorvoDoc* doc = Doc()) doc->CopyToClipboard();
}

void CTorvoView::OnEditPasteCmd(wxCommandEvent&) {
    if (CTorvoDoc* doc = Doc()) doc->PasteFromClipboard();
}

void CTorvoView::OnHomepageCmd(wxCommandEvent&) { wxLaunchDefaultBrowser(U(CMainFrameTexts::kHomepage)); }

wxPrintout* CTorvoView::OnCreatePrintout() { return new CNotationPrintout(this); }

void CTorvoView::BeginPrinting() {
    if (m_showNotation == kBoardNotation) m_showNotation = kPrintNotation;
    Repaint(true);
}

void CTorvoView::EndPrinting() {
    if (m_showNotation == kPrintNotation) m_showNotation = kBoardNotation;
    Repaint(true);
}

void CTorvoView::PrintDirect() {
    wxPrinter printer;
    CNotationPrintout printout(this);
    // The toolkit's silent print waits for ever for a default printer when no
    // print service answers; its dialog always comes up, offers what there
    // is and can be cancelled.
    printer.Print(GetFrame(), &printout, true);
}
