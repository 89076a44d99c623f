// The main window: menu, keyboard table, toolbar, status bar and the view's
// canvas; holds back a close request while the computer thinks.
#pragma once

#include <wx/docview.h>

#include "app/core/frame/deferredclose.h"
#include "app/wx/viewframe.h"

class CBoardCanvas;
class CRecentFiles;
class CStatusBar;
class CTorvoView;
class wxMenu;
class wxToolBar;

class CMainFrame : public wxDocParentFrame, public IViewFrame {
public:
    // The list is the application's; the menu shows it.
    CMainFrame(wxDocManager* manager, CRecentFiles& recent);
    ~CMainFrame() override;

    // IViewFrame; a close request while the computer thinks is carried out
    // after the outermost handler that may think has returned.
    void SetBoardCanvas(CBoardCanvas* canvas) override;
    CStatusBar* StatusBar() const override { return m_statusBar; }
    void EnterThinking() override { m_deferredClose.EnterThinking(); }
    void LeaveThinking() override;
    void SetStatusText(const wxString& text, int number = 0) override;
    void DoGiveHelp(const wxString& text, bool show) override;

private:
    void CreateMenus();
    // Puts the recent files, or the greyed "Letzte Datei" while there are
    // none, at their place in the file menu.
    void RefreshRecentFiles();
    void CreateKeyTable();
    void CreateTools();
    CTorvoView* ActiveView() const;

    void OnFrameworkCommand(wxCommandEvent& event);
    void OnShortHelp(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnDoNothing(wxCommandEvent& event);
    void OnLegalMoves(wxCommandEvent& event);
    void OnToggleToolbar(wxCommandEvent& event);
    void OnToggleStatusBar(wxCommandEvent& event);
    void OnUpdateToolbar(wxUpdateUIEvent& event);
    void OnUpdateStatusBar(wxUpdateUIEvent& event);
    void OnUpdateRecentFiles(wxUpdateUIEvent& event);
    void OnMenuHighlight(wxMenuEvent& event);
    void OnFrameClick(wxMouseEvent& event);
    void OnClose(wxCloseEvent& event);

    CRecentFiles& m_recent;
    CStatusBar* m_statusBar = nullptr;
    wxToolBar* m_toolBar = nullptr;
    CBoardCanvas* m_canvas = nullptr;
    wxMenu* m_fileMenu = nullptr;
    size_t m_recentPosition = 0;
    CDeferredClose m_deferredClose;
};
