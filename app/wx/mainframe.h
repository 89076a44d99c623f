// The main window: menu, keyboard table, toolbar, status bar and the view's
// canvas, wired to CFrameController, which decides what they do; here are
// the toolkit's calls it asks for.
#pragma once

#include <wx/docview.h>

#include "app/core/frame/framecontroller.h"
#include "app/core/frame/frameplatform.h"
#include "app/wx/viewframe.h"

class CBoardCanvas;
class CRecentFiles;
class CStatusBar;
class wxMenu;
class wxMenuEvent;
class wxToolBar;
struct MenuEntry;

class CMainFrame : public wxDocParentFrame, public IViewFrame, public IFramePlatform {
public:
    // The list is the application's; the menu shows it.
    CMainFrame(wxDocManager* manager, CRecentFiles& recent);
    ~CMainFrame() override;

    // The keyboard starts on the board: a player without a mouse is there at once.
    void FocusBoard();

    // IViewFrame
    void SetBoardCanvas(CBoardCanvas* canvas) override;
    CFrameController& Controller() override { return m_controller; }

    // The toolkit's own status texts and prompts go through the controller too.
    void SetStatusText(const wxString& text, int number = 0) override;
    void DoGiveHelp(const wxString& text, bool show) override;

    // IFramePlatform
    void SetPaneText(int pane, const char* text) override;
    bool LockKeyOn(int pane) override;
    bool MeasurePane(int pane, CReportFiles::Pane* measured) override;
    bool BarShown(Bar bar) override;
    void ShowBar(Bar bar, bool show) override;
    void ShowMessage(const char* text, const char* caption) override;
    void ShowAbout() override;
    void Print() override { Forward(wxID_PRINT); }
    void PrintPreview() override { Forward(wxID_PREVIEW); }
    void PrintSetup() override { Forward(wxID_PRINT_SETUP); }
    void CloseWindow() override { Close(); }
    void CloseLater() override;

private:
    void CreateMenus();
    static void InsertEntry(wxMenu* menu, size_t position, const MenuEntry& entry);
    // Puts the recent files, or the greyed "Letzte Datei" while there are
    // none, at their place in the file menu.
    void RefreshRecentFiles();
    void CreateKeyTable();
    void CreateTools();
    // The document manager's printing under the toolkit's own number.
    void Forward(int toolkitId);

    void OnCommand(wxCommandEvent& event);
    void OnUpdateCheck(wxUpdateUIEvent& event);
    void OnMenuHighlight(wxMenuEvent& event);
    void OnFrameClick(wxMouseEvent& event);
    void OnClose(wxCloseEvent& event);

    CRecentFiles& m_recent;
    CFrameController m_controller{*this};
    CStatusBar* m_statusBar = nullptr;
    wxToolBar* m_toolBar = nullptr;
    CBoardCanvas* m_canvas = nullptr;
    wxMenu* m_fileMenu = nullptr;
};
