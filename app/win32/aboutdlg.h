// "Über Torvo": the program's icon, name, version and addresses.
#pragma once

#include "app/win32/kit/dialogwindow.h"

class CAboutDlg : public CDialogWindow {
public:
    explicit CAboutDlg(HWND parent);

private:
    void OnCommand(int id, int code) override;
    // The program's icon from the executable, whatever the row names.
    HICON IconNamed(const char* name) override;
};
