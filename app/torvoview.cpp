#include "app/torvoview.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/print.h>
#include <wx/utils.h>

#include "app/boardcanvas.h"
#include "app/core/commandids.h"
#include "app/core/mainframetexts.h"
#include "app/legalmovesdlg.h"
#include "app/mainframe.h"
#include "app/moveentrydlg.h"
#include "app/notationprintout.h"
#include "app/settingsdlg.h"
#include "app/statusbar.h"
#include "app/torvodoc.h"
#include "rules/displaytext.h"
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

constexpr const char* kGameOverCaption = "Spielende";
constexpr const char* kInvalidMoveCaption = "Ungültiger Zug !";
constexpr const char* kMoveCaption = "Zug";
constexpr const char* kChooseFromListFormat = "%s\n\nMöchtenSie einen anderen von der Liste wählen?\n";
constexpr const char* kNotAttached = "Noch nicht eingebaut: %s";
constexpr int kResultSize = CGameFacade::kTextSize;

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
    if (doc->GameNumber() != m_facadeGame) {
        m_facadeGame = doc->GameNumber();
        m_picker.Drop();
    }
    m_facade = doc->GetFacade();
    return m_facade;
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
    if (m_canvas) m_canvas->Refresh(eraseBackground);
}

void CTorvoView::SetStatusText(const wxString& text) {
    if (m_statusBar) m_statusBar->ShowMessage(text);
}

void CTorvoView::OnDraw(wxDC* dc) {
    if (m_showNotation != kBoardNotation)
        DrawNotation(*dc);
    else
        DrawBoard(*dc);
}

void CTorvoView::LoadPieceBitmaps() {}

void CTorvoView::DrawBoard(wxDC& dc) {
    CGameFacade* facade = Facade();
    if (!facade) return;
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.Clear();
    SetStatusText(U(DisplayText(facade->StatusText())));
}

void CTorvoView::DrawNotation(wxDC& dc) {
    if (!Facade()) return;
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
}

int CTorvoView::ClickFlags(const wxMouseEvent& event) {
    const bool otherDown = event.MiddleIsDown() || event.RightIsDown() || event.Aux1IsDown() || event.Aux2IsDown();
    return (event.ShiftDown() || event.ControlDown() || otherDown) ? kClickLeft | kClickOther : kClickLeft;
}

void CTorvoView::ShowGameOver(CGameFacade* facade) {
    char result[kResultSize];
    facade->GameOver(result);
    const wxString text = U(DisplayText(result));
    SetStatusText(text);
    wxMessageBox(text, U(kGameOverCaption), wxOK, GetFrame());
}

void CTorvoView::OnBoardClick(int flags, int x, int y) {
    CMainFrame::ThinkingScope scope(Frame());
    if (m_showNotation != kBoardNotation) {
        m_showNotation = kBoardNotation;
        Repaint(true);
        return;
    }
    if (flags != kClickLeft) return;
    CGameFacade* facade = Facade();
    if (!facade || !m_canvas) return;
    char result[kResultSize];
    if (facade->GameOver(result) == 1) {
        ShowGameOver(facade);
        return;
    }
    const wxSize size = m_canvas->GetClientSize();
    int col = 0;
    int row = 0;
    if (!CSquarePicker::ScreenSquare(x, y, size.GetWidth(), size.GetHeight(), &col, &row)) return;
    m_clickCol = col;
    m_clickRow = row;

    char move[CSquarePicker::kMoveTextSize];
    switch (m_picker.OnClick(col, row, m_flipped != 0, move)) {
        case CSquarePicker::Click::kSameSquare:
            return;
        case CSquarePicker::Click::kPicked:
            Repaint(false);
            return;
        case CSquarePicker::Click::kMove:
            break;
    }
    const char* answer = facade->EnterMove(move);
    if (answer[0] == '\0') {
        AfterUserMove();
        return;
    }
    // The answer ends with the queen letter of the move text, which the user never typed.
    wxString refusal = U(answer);
    refusal.RemoveLast();
    SetStatusText(refusal);
    const int choice = wxMessageBox(wxString::Format(U(kChooseFromListFormat), refusal), U(kInvalidMoveCaption),
                                    wxYES_NO, GetFrame());
    if (choice == wxYES) OnLegalMoves();
}

void CTorvoView::AfterUserMove() {
    Repaint(false);
    if (m_autoReply) ComputerMove();
}

void CTorvoView::OnLegalMoves() {
    CMainFrame::ThinkingScope scope(Frame());
    CGameFacade* facade = Facade();
    if (!facade) return;
    char result[kResultSize];
    if (facade->GameOver(result) == 1) {
        ShowGameOver(facade);
        return;
    }
    CLegalMovesDlg dialog(GetFrame(), facade);
    dialog.ShowModal();
    if (!dialog.HasMove()) return;
    // The dialog was modal, but take the facade afresh all the same.
    if (CGameFacade* current = Facade()) current->EnterMove(dialog.GetMoveText());
    AfterUserMove();
}

void CTorvoView::OnFlipBoardCmd(wxCommandEvent&) {
    m_picker.Drop();
    m_flipped = m_flipped != 1 ? 1 : 0;
    Repaint(true);
}

void CTorvoView::OnToggleNotationCmd(wxCommandEvent&) {
    m_showNotation = m_showNotation != kBoardNotation ? kBoardNotation : kUserNotation;
    Repaint(true);
}

void CTorvoView::OnSettingsCmd(wxCommandEvent&) {
    CSettingsDlg dialog(GetFrame());
    dialog.Logic().m_autoReply = m_autoReply;
    dialog.Logic().m_level = m_level;
    dialog.ShowModal();
    m_autoReply = dialog.Logic().m_autoReply;
    m_level = dialog.Logic().m_level;
}

void CTorvoView::OnEnterMoveCmd(wxCommandEvent&) {
    CMainFrame::ThinkingScope scope(Frame());
    CMoveEntryDlg dialog(GetFrame());
    dialog.ShowModal();
    const std::string text = dialog.Logic().MoveText();
    if (text.empty()) return;
    CGameFacade* facade = Facade();
    if (!facade) return;
    const char* answer = facade->EnterMove(text.c_str());
    if (answer[0] == '\0') {
        AfterUserMove();
        return;
    }
    const wxString shown = U(answer);
    SetStatusText(shown);
    wxMessageBox(shown, U(kMoveCaption), wxOK, GetFrame());
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

void CTorvoView::ComputerMove() {
    m_showNotation = kBoardNotation;
    SetStatusText(wxString::Format(U(kNotAttached), "Computerzug"));
}

void CTorvoView::Suggestion() { SetStatusText(wxString::Format(U(kNotAttached), "Vorschlag")); }

void CTorvoView::OnEditCopyCmd(wxCommandEvent&) {
    if (CTorvoDoc* doc = Doc()) doc->CopyToClipboard();
}

void CTorvoView::OnEditPasteCmd(wxCommandEvent&) {
    CTorvoDoc* doc = Doc();
    if (doc && doc->PasteFromClipboard()) Repaint(true);
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
    printer.Print(GetFrame(), &printout, false);
}
