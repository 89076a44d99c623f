#include "app/win32/torvoapp.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/core/document/commandline.h"
#include "app/win32/filetype.h"
#include "app/win32/mainframe.h"
#include "app/win32/kit/comapartment.h"
#include "app/win32/kit/messageloop.h"
#include "app/win32/kit/programarguments.h"
#include "app/win32/win32pumpplatform.h"

int CTorvoApp::Run(HINSTANCE instance, int show) {
    CTorvoApp app(instance, show);
    return app.Execute();
}

int CTorvoApp::Execute() {
    // Before the windows and after them: a screen reader's calls come through COM.
    CComApartment apartment;

    // 1. The common controls in the system's look.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    // 2. and 3. The settings under the program's registry key.
    m_settings.Load(m_store);

    // 4. The one document's frame and view.
    if (!CMainFrame::RegisterClass(m_instance)) return CGameDocument::kStartFailed;
    CWin32PumpPlatform pumpPlatform;
    CMainFrame frame(m_instance, m_settings.RecentFiles());
    if (!frame.Create()) return CGameDocument::kStartFailed;
    m_frame = &frame;
    pumpPlatform.SetKeyTable(frame.Hwnd(), frame.Keys());
    m_run.UsePump(&pumpPlatform);

    // 5. The shell opens and prints .pgn files with this program.
    CFileType::Register(CFileType::ProgramPath());

    // 6. and 7. The shell command of the command line, then the window.
    CMessageLoop loop(frame.Hwnd(), frame.Keys());
    m_loop = &loop;
    const bool started = m_run.Start(&frame.Doc().Game(), CCommandLine::Parse(CProgramArguments::Own()));
    const int code = started ? loop.Run([&frame] { frame.Controller().UpdateIndicators(); }) : m_run.ExitCode();
    m_run.End();
    m_frame = nullptr;
    m_loop = nullptr;
    return code;
}

void CTorvoApp::ShowMainWindow() {
    // Shown and painted at once; dropped files are opened.
    ShowWindow(m_frame->Hwnd(), m_show);
    UpdateWindow(m_frame->Hwnd());
    DragAcceptFiles(m_frame->Hwnd(), TRUE);
}

// The print of "/p FILE" runs once the window is up.
void CTorvoApp::PrintWhenShown() {
    m_loop->PostTask([this] { m_run.PrintAndClose(); });
}

void CTorvoApp::PrintDirect() { m_frame->PrintDirect(); }

void CTorvoApp::CloseMainWindow() { m_frame->CloseWindow(); }

void CTorvoApp::SaveSettings() { m_settings.Save(m_store); }
