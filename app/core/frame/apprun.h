// The program's run as both desktop programs carry it out once their window
// and document are made: the command line's shell command, then the window
// shown (and, for "/p FILE", the game printed and the window closed), or an
// end at once with the exit code when the command failed; at the end the
// settings are written, but not after a failed start, and the program's
// pump stops thinking and lets go of the toolkit.
#pragma once

#include "app/core/document/gamedocument.h"
#include "engine/messagepump.h"

class CCommandLine;
class IAppPlatform;

class CAppRun {
public:
    // The platform is not owned and must outlive the run.
    explicit CAppRun(IAppPlatform& platform) : m_platform(platform) {}

    // The toolkit's side of the program's pump, for the search to let the
    // window's events through until End; not owned.
    void UsePump(CMessagePump::Platform* platform);
    // Null when the document could not be made. False when the program ends
    // at once: the window goes unseen and ExitCode says why.
    bool Start(CGameDocument* document, const CCommandLine& line);
    // The shell's print command, once the window is up.
    void PrintAndClose();
    // After the message loop has ended.
    void End();

    bool Started() const { return m_exitCode == CGameDocument::kStarted; }
    int ExitCode() const { return m_exitCode; }

private:
    IAppPlatform& m_platform;
    int m_exitCode = CGameDocument::kStartFailed;  // until the start has run
};
