#include "app/win32/uireport.h"

#include "app/core/frame/reportfiles.h"

void CUiReport::Status(const char* text) { CReportFiles::Program().Status(text); }

void CUiReport::Indicator(const char* name, bool on) { CReportFiles::Program().Indicator(name, on); }

void CUiReport::Canvas(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    POINT origin = {0, 0};
    ClientToScreen(view, &origin);
    CReportFiles::Program().Canvas(
        {static_cast<int>(origin.x), static_cast<int>(origin.y), static_cast<int>(client.right),
         static_cast<int>(client.bottom)});
}
