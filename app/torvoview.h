// The one view of the open game: draws the board or the notation, takes the
// user's clicks and commands and hands moves to the game facade as text.
#pragma once

#include <wx/docview.h>

#include <cstdint>

#include "app/core/settingsdlglogic.h"
#include "app/core/squarepicker.h"

class CBoardCanvas;
class CGameFacade;
class CMainFrame;
class CStatusBar;
class CTorvoDoc;

class CTorvoView : public wxView {
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

    virtual void SetStatusText(const wxString& text);
    virtual void SetStatusBar(CStatusBar* statusBar) { m_statusBar = statusBar; }

    static int ClickFlags(const wxMouseEvent& event);
    // A press of the left button at a point in the view's client coordinates.
    void OnBoardClick(int flags, int x, int y);
    void OnLegalMoves();

    // The notation, on screen and on paper.
    // TODO(notation layout): draw the tag lines and move lines here.
    void DrawNotation(wxDC& dc);
    void BeginPrinting();
    void EndPrinting();
    // Prints the notation without the printer dialog (the -p switch).
    void PrintDirect();

    // The document's facade, taken afresh by every handler. A replaced game
    // drops the picked square.
    CGameFacade* Facade();
    CTorvoDoc* Doc() const;

    // Read by tests and the thinking driver.
    bool Flipped() const { return m_flipped != 0; }
    int ShowNotation() const { return m_showNotation; }
    int AutoReply() const { return m_autoReply; }
    uint16_t Level() const { return m_level; }

private:
    // TODO(board picture): build the board off-screen and stretch it over the
    // client area. Until then only the background is drawn.
    void DrawBoard(wxDC& dc);
    // TODO(board picture): load the eighteen piece bitmaps.
    void LoadPieceBitmaps();

    // After a move of the user was accepted: repaint, then the computer answers.
    void AfterUserMove();
    // The thinking commands. TODO(engine): call the thinking driver's
    // computer-move and suggestion here.
    void ComputerMove();
    void Suggestion();
    void Repaint(bool eraseBackground);
    void ShowGameOver(CGameFacade* facade);
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

    CSquarePicker m_picker;  // m_hasSelection, m_selCol, m_selRow
    int m_flipped = 0;
    CGameFacade* m_facade = nullptr;
    unsigned m_facadeGame = 0;  // the document's game number m_facade belongs to
    int m_clickCol = 0;
    int m_clickRow = 0;
    CStatusBar* m_statusBar = nullptr;
    int m_autoReply = CSettingsDlgLogic::kDefaultAutoReply;
    uint16_t m_level = CSettingsDlgLogic::kDefaultLevel;
    int m_showNotation = kBoardNotation;
    CBoardCanvas* m_canvas = nullptr;

    wxDECLARE_DYNAMIC_CLASS(CTorvoView);
    wxDECLARE_EVENT_TABLE();
};
