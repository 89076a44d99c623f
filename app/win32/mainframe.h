// The Windows program's main window: menu, toolbar, status bar and the
// view; routes the commands by their numbers and holds back a close request
// while the computer thinks.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "app/core/frame/deferredclose.h"
#include "app/win32/kit/basewindow.h"
#include "app/win32/kit/dockingtoolbar.h"
#include "app/win32/kit/printersettings.h"
#include "app/win32/torvodoc.h"
#include "app/win32/viewframe.h"

class CRecentFiles;
class CTorvoView;

class CMainFrame : public CBaseWindow, public IViewFrame, public CTorvoDoc::Window {
public:
    static constexpr const wchar_t* kClassName = L"TorvoFrame";
    // The status bar's panes: the message, then Caps Lock, Num Lock and Scroll Lock.
    static constexpr int kPaneCount = 4;

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
    CTorvoView& View() { return *m_view; }

    // "<title> - Torvo Halvorn Schach Programm".
    void ShowCaption(const std::string& documentTitle) override;
    void SetStatusText(const char* text) override;
    // A close request while the computer thinks is carried out after the
    // outermost handler that may think has returned.
    void EnterThinking() override { m_deferredClose.EnterThinking(); }
    void LeaveThinking() override;
    CGameFacade* Facade() override;
    CMessagePump* Pump() override;
    long GameNumber() override;
    void CopyGame() override;
    void PasteGame() override;
    std::string StatusText() const;
    void DocumentChanged() override;
    // The shell's print command: the notation through the print dialog.
    void PrintDirect();
    // The lock keys' panes follow the keys; run when the queue is empty.
    void OnIdle();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool CreateToolbar();
    bool CreateStatusBar();
    void Layout();
    void OnCommand(int id);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    LRESULT OnNotify(const NMHDR& header);
    void OnInitMenuPopup(HMENU menu);
    void OnRecentFile(int index);
    void OnDropFiles(HDROP drop);
    void OnShortHelp();
    void ToggleBar(HWND bar);
    // Printing and its preview show the notation meanwhile, as the framework's print step does.
    void OnPrintCommand(int id);
    void OnClose();
    void RefreshRecentFiles();

    HINSTANCE m_instance;
    CRecentFiles& m_recent;
    HWND m_toolbar = nullptr;
    CDockingToolbar m_docking;
    HWND m_statusBar = nullptr;
    HIMAGELIST m_toolImages = nullptr;
    HACCEL m_keys = nullptr;
    bool m_indicators[kPaneCount] = {};
    std::wstring m_tooltip;  // the text a tooltip asked for, kept while it shows
    std::unique_ptr<CTorvoDoc> m_doc;
    std::unique_ptr<CTorvoView> m_view;
    CDeferredClose m_deferredClose;
    CPrinterSettings m_printer;
};
