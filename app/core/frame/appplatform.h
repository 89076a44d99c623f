// What the program's run asks of the application around it: its main window
// shown, printed or closed, and the settings written to the platform's store.
// Each shell's application implements it.
#pragma once

class IAppPlatform {
public:
    virtual ~IAppPlatform() = default;

    // Shown normally and painted at once.
    virtual void ShowMainWindow() = 0;
    // Calls CAppRun::PrintAndClose once the window is up.
    virtual void PrintWhenShown() = 0;
    // The notation through the print dialog, as the shell's print command asks.
    virtual void PrintDirect() = 0;
    virtual void CloseMainWindow() = 0;
    // What is kept between runs (CAppSettings) into the platform's store.
    virtual void SaveSettings() = 0;
};
