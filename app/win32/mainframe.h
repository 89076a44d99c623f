// The Windows program's main window: menu, toolbar, status bar and the
// view, wired to CFrameController, which decides what they do; here are the
// Win32 calls it asks for.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "app/core/frame/framecontroller.h"
#include "app/core/frame/frameplatform.h"
#include "app/win32/kit/basewindow.h"
#include "app/win32/kit/dockingtoolbar.h"
#include "app/win32/kit/imagetoolbar.h"
#include "app/win32/kit/menuselection.h"
#include "app/win32/kit/printersettings.h"
#include "app/win32/kit/statusbar.h"
#include "app/win32/notationprint.h"
#include "app/win32/torvodoc.h"
#include "app/win32/viewframe.h"

class CRecentFiles;
class CTorvoView;

class CMainFrame : public CBaseWindow, public IViewFrame, public CTorvoDoc::Window, public IFramePlatform {
public:
    static constexpr const wchar_t* kClassName = L"TorvoFrame";

    // The list is the application's; it is shown and changed here.
    CMainFrame(HINSTANCE instance, CRecentFiles& recent);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    static bool RegisterClass(HINSTANCE instance);
    // The window with its bars and view, not yet shown; false when one of them fails.
    bool Create();
    HWND Hwnd() const override { return m_hwnd; }
    HACCEL Keys() const { return m_keys; }
    CTorvoDoc& Doc() { return *m_doc; }
    CFrameController& Controller() { return m_controller; }

    // CTorvoDoc::Window: "<title> - Torvo Halvorn Schach Programm".
    void ShowCaption(const std::string& documentTitle) override;
    void DocumentChanged() override;
    // IFramePlatform
    void SetPaneText(int pane, const char* text) override;
    bool LockKeyOn(int pane) override;
    bool MeasurePane(int pane, CReportFiles::Pane* measured) override;
    bool BarShown(Bar bar) override;
    void ShowBar(Bar bar, bool show) override;
    void ShowMessage(const char* text, const char* caption) override;
    void ShowAbout() override;
    void Print() override;
    void PrintPreview() override;
    void PrintSetup() override;
    void CloseWindow() override;
    void CloseLater() override { CloseWindow(); }

    // The shell's print command: the notation through the print dialog.
    void PrintDirect();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool CreateToolbar();
    // The toolbar's pictures at the window's scale.
    void LoadToolbarPictures();
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnGetMinMaxInfo(MINMAXINFO* limits);
    void Layout();
    void OnCommand(int id);
    void OnMenuSelect(const CMenuSelection::Pointed& pointed);
    LRESULT OnNotify(const NMHDR& header);
    void OnInitMenuPopup(HMENU menu);
    void OnDropFiles(HDROP drop);
    void OnClose();
    void RefreshRecentFiles();

    HINSTANCE m_instance;
    CRecentFiles& m_recent;
    CImageToolbar m_toolbar;
    CDockingToolbar m_docking;
    CStatusBar m_statusBar;
    HACCEL m_keys = nullptr;
    int m_dpi = 0;  // the scale of the monitor the window is on
    CFrameController m_controller{*this};
    std::unique_ptr<CTorvoDoc> m_doc;
    std::unique_ptr<CTorvoView> m_view;
    CPrinterSettings m_printer{CNotationPrint::kPrinterTexts};
};
