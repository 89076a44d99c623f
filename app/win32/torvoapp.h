// The Windows program's application: the start-up steps in their order and
// the message loop with the keyboard table; the run itself is CAppRun's,
// which asks for the Win32 calls here.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>


#include "app/core/document/appsettings.h"
#include "app/core/frame/appplatform.h"
#include "app/core/frame/apprun.h"
#include "app/win32/registrystore.h"

class CMainFrame;
class CMessageLoop;

class CTorvoApp : public IAppPlatform {
public:
    // The whole run; the program's exit code.
    static int Run(HINSTANCE instance, int show);

    // IAppPlatform
    void ShowMainWindow() override;
    void PrintWhenShown() override;
    void PrintDirect() override;
    void CloseMainWindow() override;
    void SaveSettings() override;

private:
    CTorvoApp(HINSTANCE instance, int show) : m_instance(instance), m_show(show) {}
    int Execute();

    HINSTANCE m_instance;
    int m_show;
    CRegistryStore m_store;
    CAppSettings m_settings;
    CMainFrame* m_frame = nullptr;  // both live through Execute
    CMessageLoop* m_loop = nullptr;
    CAppRun m_run{*this};
};
