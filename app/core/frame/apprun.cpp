#include "app/core/frame/apprun.h"

#include "app/core/document/commandline.h"
#include "app/core/frame/appplatform.h"

bool CAppRun::Start(CGameDocument* document, const CCommandLine& line) {
    m_exitCode = document ? document->Start(line) : CGameDocument::kStartFailed;
    if (!Started()) {
        m_platform.CloseMainWindow();
        return false;
    }
    m_platform.ShowMainWindow();
    if (line.kind == CCommandLine::kPrint) m_platform.PrintWhenShown();
    return true;
}

void CAppRun::PrintAndClose() {
    m_platform.PrintDirect();
    m_platform.CloseMainWindow();
}

void CAppRun::UsePump(CMessagePump::Platform* platform) { TheMessagePump().SetPlatform(platform); }

void CAppRun::End() {
    // A start that failed leaves the settings as they were.
    if (Started()) m_platform.SaveSettings();
    TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
    TheMessagePump().SetPlatform(nullptr);
}
