// The one view of the open game: draws the board or the notation, takes the
// user's clicks and commands and hands moves to the game facade as text.
#pragma once

#include <wx/docview.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/core/picture/boardpicture.h"
#include "app/core/view/notationlayout.h"
#include "app/core/view/paintstatus.h"
#include "app/core/picture/piecebitmaps.h"
#include "app/core/dialogs/settingsdlglogic.h"
#include "app/core/view/moveentrycontrol.h"
#include "app/core/view/thinkingcontrol.h"
#include "app/core/view/thinkingview.h"

class CBoardCanvas;
class CGameFacade;
class CMainFrame;
class CStatusBar;
class CTorvoDoc;

class CTorvoView : public wxView, public IThinkingView, public IMoveEntryView {
public:
    static constexpr int kClickLeft = 1;
    static constexpr int kClickOther = 2;  // a modifier or another button as well
    static constexpr int kBoardNotation = 0;
    static constexpr int kUserNotation = -1;
    static constexpr int kPrintNotation = 1;

    CTorvoView();
    ~CTorvoView() override;

    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC* dc) override;
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void OnChangeFilename() override;
    void OnActivateView(bool activate, wxView* activeView, wxView* deactiveView) override;
    wxPrintout* OnCreatePrintout() override;

    // A text of a command's own, which a box shown after it keeps in sight.
    virtual void SetStatusText(const wxString& text);
    virtual void SetStatusBar(CStatusBar* statusBar) { m_statusBar = statusBar; }

    // IThinkingView and IMoveEntryView: what the computer-move, suggestion
    // and move-entry commands use.
    CGameFacade* Facade() override;
    CMessagePump* Pump() override;
    uint16_t Level() const override { return m_level; }
    void SetStatusText(const char* text) override;
    void ShowMessage(const char* text, const char* caption) override;
    void ShowBoard() override;
    void Invalidate() override { Repaint(false); }
    void WaitCursor(int step) override;
    long GameNumber() override;
    bool AskYesNo(const char* text, const char* caption) override;
    bool NotationShown() override { return m_showNotation != kBoardNotation; }
    void Repaint(bool eraseBackground) override;
    std::string ChooseLegalMove(CGameFacade* facade) override;
    std::string TypeMove() override;
    void ComputerMove() override;

    static int ClickFlags(const wxMouseEvent& event);
    // A press of the left button at a point in the view's client coordinates.
    void OnBoardClick(int flags, int x, int y);
    void OnLegalMoves();

    // The notation, on screen and on paper, in the font that fits its
    // longest line into `width`; gives the area it took.
    CNotationLayout::Extent DrawNotation(wxDC& dc, int width);
    void BeginPrinting();
    void EndPrinting();
    // Prints the notation for the -p switch, through the platform's print dialog.
    void PrintDirect();

    CTorvoDoc* Doc() const;

    bool Flipped() { return m_moves.Picker().IsFlipped(); }
    int ShowNotation() const { return m_showNotation; }
    int AutoReply() const { return m_moves.AutoReply(); }

private:
    // The board built off-screen at its own size, stretched over the client
    // area in one copy.
    void DrawBoard(wxDC& dc);
    void LoadPieceBitmaps();

    // The thinking commands, run by the engine's driver.
    void Suggestion();
    CMainFrame* Frame() const;

    void OnFlipBoardCmd(wxCommandEvent& event);
    void OnToggleNotationCmd(wxCommandEvent& event);
    void OnSettingsCmd(wxCommandEvent& event);
    void OnEnterMoveCmd(wxCommandEvent& event);
    void OnLegalMovesCmd(wxCommandEvent& event);
    void OnComputerMoveCmd(wxCommandEvent& event);
    void OnSuggestionCmd(wxCommandEvent& event);
    void OnEditCopyCmd(wxCommandEvent& event);
    void OnEditPasteCmd(wxCommandEvent& event);
    void OnHomepageCmd(wxCommandEvent& event);

    CPieceBitmaps m_bitmaps;
    std::unique_ptr<CBoardPicture> m_picture;  // null when the bitmaps failed
    CGameFacade* m_facade = nullptr;
    CStatusBar* m_statusBar = nullptr;
    CPaintStatus m_paintStatus;
    CThinkingControl m_thinking{*this};
    CMoveEntryControl m_moves{*this};
    uint16_t m_level = CSettingsDlgLogic::kDefaultLevel;
    int m_showNotation = kBoardNotation;
    CBoardCanvas* m_canvas = nullptr;

    wxDECLARE_DYNAMIC_CLASS(CTorvoView);
    wxDECLARE_EVENT_TABLE();
};
