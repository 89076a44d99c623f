#include "app/win32/torvoapp.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/core/document/appsettings.h"
#include "app/core/document/commandline.h"
#include "app/win32/filetype.h"
#include "app/win32/mainframe.h"
#include "app/win32/registrystore.h"
#include "app/win32/torvodoc.h"
#include "app/win32/torvoview.h"
#include "app/win32/kit/widetext.h"
#include "app/win32/win32pumpplatform.h"
#include "engine/messagepump.h"

namespace {

// The print of "/p FILE" runs once the window is up.
constexpr UINT kPrintAndQuit = WM_APP + 1;

int MessageLoop(CMainFrame& frame, const std::string& printFile) {
    MSG message;
    if (!printFile.empty()) PostMessageW(frame.Hwnd(), kPrintAndQuit, 0, 0);
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) frame.OnIdle();
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (message.message == kPrintAndQuit && message.hwnd == frame.Hwnd()) {
            frame.PrintDirect();
            PostMessageW(frame.Hwnd(), WM_CLOSE, 0, 0);
            continue;
        }
        if (frame.Hwnd() && TranslateAcceleratorW(frame.Hwnd(), frame.Keys(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

std::vector<std::string> CTorvoApp::Arguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.push_back(CWideText::Utf8(argv[i]));
    LocalFree(argv);
    return args;
}

int CTorvoApp::Run(HINSTANCE instance, int show) {
    // 1. The common controls in the system's look.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    // 2. and 3. The settings under the program's registry key.
    CRegistryStore store;
    CAppSettings settings;
    settings.Load(store);

    // 4. The one document's frame and view.
    if (!CMainFrame::RegisterClass(instance)) return CGameDocument::kStartFailed;
    CWin32PumpPlatform pumpPlatform;
    CMainFrame frame(instance, settings.RecentFiles());
    if (!frame.Create()) return CGameDocument::kStartFailed;
    pumpPlatform.SetKeyTable(frame.Hwnd(), frame.Keys());
    TheMessagePump().SetPlatform(&pumpPlatform);

    // 5. The shell opens and prints .pgn files with this program.
    CFileType::Register(CFileType::ProgramPath());

    // 6. The shell command of the command line.
    const CCommandLine line = CCommandLine::Parse(Arguments());
    const int started = frame.Doc().Game().Start(line);
    if (started != CGameDocument::kStarted) {
        TheMessagePump().SetPlatform(nullptr);
        return started;
    }

    // 7. Shown and painted at once; dropped files are opened.
    ShowWindow(frame.Hwnd(), show);
    UpdateWindow(frame.Hwnd());
    DragAcceptFiles(frame.Hwnd(), TRUE);

    const int code = MessageLoop(frame, line.kind == CCommandLine::kPrint ? line.file : std::string());

    settings.Save(store);
    TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
    TheMessagePump().SetPlatform(nullptr);
    return code;
}
