// "Über Torvo": the program's icon, name, version and addresses.
#pragma once

#include "app/win32/kit/dialogwindow.h"

class CAboutDlg : public CDialogWindow {
public:
    explicit CAboutDlg(HWND parent);

private:
    void OnCommand(int id, int code) override;
};
