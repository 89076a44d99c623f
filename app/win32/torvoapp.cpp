#include "app/win32/torvoapp.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/core/document/commandline.h"
#include "app/win32/filetype.h"
#include "app/win32/mainframe.h"
#include "app/win32/kit/programarguments.h"
#include "app/win32/kit/win32pumpplatform.h"
#include "engine/messagepump.h"

namespace {

// The print of "/p FILE" runs once the window is up.
constexpr UINT kPrintAndQuit = WM_APP + 1;

}  // namespace

int CTorvoApp::Run(HINSTANCE instance, int show) {
    CTorvoApp app(instance, show);
    return app.Execute();
}

int CTorvoApp::Execute() {
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
    TheMessagePump().SetPlatform(&pumpPlatform);

    // 5. The shell opens and prints .pgn files with this program.
    CFileType::Register(CFileType::ProgramPath());

    // 6. and 7. The shell command of the command line, then the window.
    const bool started = m_run.Start(&frame.Doc().Game(), CCommandLine::Parse(CProgramArguments::Own()));
    const int code = started ? MessageLoop() : m_run.ExitCode();
    m_run.End();
    TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
    TheMessagePump().SetPlatform(nullptr);
    m_frame = nullptr;
    return code;
}

int CTorvoApp::MessageLoop() {
    MSG message;
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) m_frame->Controller().UpdateIndicators();
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (message.message == kPrintAndQuit && message.hwnd == m_frame->Hwnd()) {
            m_run.PrintAndClose();
            continue;
        }
        if (m_frame->Hwnd() && TranslateAcceleratorW(m_frame->Hwnd(), m_frame->Keys(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void CTorvoApp::ShowMainWindow() {
    // Shown and painted at once; dropped files are opened.
    ShowWindow(m_frame->Hwnd(), m_show);
    UpdateWindow(m_frame->Hwnd());
    DragAcceptFiles(m_frame->Hwnd(), TRUE);
}

void CTorvoApp::PrintWhenShown() { PostMessageW(m_frame->Hwnd(), kPrintAndQuit, 0, 0); }

void CTorvoApp::PrintDirect() { m_frame->PrintDirect(); }

void CTorvoApp::CloseMainWindow() { m_frame->CloseWindow(); }

void CTorvoApp::SaveSettings() { m_settings.Save(m_store); }
