// The main frame as both desktop programs run it: where every command of the
// menu, the keys and the toolbar goes, the close request held back while the
// computer thinks, the short help, the status bar's message with the prompts
// and the lock keys' indicators. The view's controller is attached to it,
// and through the view it reaches the document. The platform does the
// toolkit's part.
#pragma once

#include "app/core/frame/deferredclose.h"
#include "app/core/frame/frameplatform.h"
#include "app/core/frame/lockkeystate.h"
#include "app/core/frame/reportfiles.h"
#include "app/core/view/framelink.h"

class CGameDocument;
class CMessagePump;
class CViewController;

class CFrameController : public IFrameLink {
public:
    // The status bar's panes: the message, then Caps Lock, Num Lock and Scroll Lock.
    static constexpr int kMessagePane = 0;
    static constexpr int kCapsPane = 1;
    static constexpr int kNumPane = 2;
    static constexpr int kScrollPane = 3;
    static constexpr int kPaneCount = 4;
    // The text of each pane's indicator; the message pane has none.
    static const char* const kPaneTexts[kPaneCount];

    // The items of the window's system menu that have a prompt.
    enum SystemItem { kSystemSize, kSystemMove, kSystemMinimize, kSystemMaximize, kSystemRestore,
                      kSystemClose, kSystemTaskList, kSystemOther };

    // The frame's own commands, from `first` to `last`; every other command
    // is the view's.
    struct Route {
        int first;
        int last;
        void (CFrameController::*run)(int id);
    };
    static const Route kRoutes[];
    static const int kRouteCount;
    // The keys the program gives no work (no undo, no cut, no panes).
    static bool DoesNothing(int id);

    // Neither is owned; both must outlive the controller. Reports go to the
    // tests' files; the pump's thinking flag stops a search for a close.
    CFrameController(IFramePlatform& platform, const CReportFiles& reports, CMessagePump& pump);
    // The program's reports and pump.
    explicit CFrameController(IFramePlatform& platform);
    CFrameController(const CFrameController&) = delete;
    CFrameController& operator=(const CFrameController&) = delete;

    // The view in the frame, wired both ways: its commands come from here,
    // its status texts and thinking scopes go here. Null takes the view out;
    // the shell does so before the view goes.
    void AttachView(CViewController* view);
    CViewController* View() const { return m_view; }
    // The view's document; null while there is no view or it has none.
    CGameDocument* Document() const;

    // A command of the menu, the keys or the toolbar; false when nobody here
    // handles it (no view yet, or not a command of the program's).
    bool OnCommand(int id);
    // Whether a menu item shows its check mark: the bars' items while they are shown.
    bool IsChecked(int id);

    // Around a handler that may run the computer's thinking; calls nest.
    void EnterThinking() override { m_close.EnterThinking(); }
    void LeaveThinking() override;
    // A request to close the window: true when it may close now. While the
    // computer thinks the search is stopped and the close comes once the
    // handler that started it has returned. A request that cannot be refused
    // always closes.
    bool OnClose(bool canRefuse);

    // The window and its bars are made: the message pane waits for a move.
    void OnCreated();
    // The first pane's text, from any part of the program.
    void SetStatusText(const char* text) override;
    // While a menu item or a button is pointed at: its prompt, or the
    // system's for an item of the system menu; the idle text once the
    // pointer has left them or the menu has closed. A prompt the toolkit
    // shows by its text is a status text like any other.
    void OnCommandPointed(int id);
    void OnSystemItemPointed(SystemItem item);
    void OnPointingEnded();
    // The status bar's text for a pointed item; empty when it has none.
    static const char* SystemPrompt(SystemItem item);

    // The indicators follow the lock keys; run when the program is idle.
    void UpdateIndicators();
    // A lock key going down or up in any of the program's windows, where the
    // system keeps no state for it (see CLockKeyState).
    void OnLockKey(int pane, bool down);
    // The indicators' places for the tests, when they are asked for and the
    // bar is on the screen; after the bar has changed its size or texts.
    void ReportPanes();

private:
    void OnNewGame(int id);
    void OnOpen(int id);
    void OnSave(int id);
    void OnSaveAs(int id);
    void OnRecentFile(int id);
    void OnPrint(int id);
    void OnPrintPreview(int id);
    void OnPrintSetup(int id);
    void OnExit(int id);
    void OnShortHelp(int id);
    void OnAbout(int id);
    void OnToggleBar(int id);
    void OnDoNothing(int id);
    static const Route* RouteOf(int id);

    IFramePlatform& m_platform;
    const CReportFiles& m_reports;
    CMessagePump& m_pump;
    CViewController* m_view = nullptr;
    CDeferredClose m_close;
    CLockKeyState m_locks[kPaneCount];
    bool m_shown[kPaneCount] = {};
};
