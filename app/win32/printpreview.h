// The print preview: a window of its own over the main window, showing the
// printed page scaled into it (a white sheet with a shadow on grey), with
// "Drucken" and "Schliessen"; Escape closes it too. The page is recorded
// once as a metafile on the printer, so the preview shows the printer's
// fonts and line breaks; with no printer it shows an A4 sheet at the
// screen's resolution.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "app/core/frame/commandids.h"
#include "app/core/view/printpage.h"

class CGameFacade;
class CPrinterSettings;

class CPrintPreview {
public:
    static constexpr const wchar_t* kClassName = L"TorvoPrintPreview";
    static constexpr const char* kPrintText = "Drucken";
    static constexpr const char* kCloseText = "Schliessen";
    // "Schliessen" has the cancel id, so that Escape reaches it as the
    // dialog keys have it.
    static constexpr int kPrintButton = cmd::kFilePrint;
    static constexpr int kCloseButton = dlg::kIdCancel;

    // "Druck &Vorschau": the preview, modal over the owner, which stays
    // disabled until the preview is closed; "Drucken" prints on the kept
    // printer (with the print dialog) and then closes the preview.
    static void Show(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer);

    // The window alone, shown, without its loop and with the owner left
    // enabled; the page is the one of paperDc (a printer's DC), or A4 when
    // it is null. The window closes itself; DestroyWindow also does.
    static HWND Create(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer,
                       HDC paperDc);
    // One message as the preview's loop handles it: the dialog keys
    // (Escape, Tab, Enter) first.
    static void Route(HWND preview, MSG* message);
    // Where the sheet lies in the client area.
    static RECT PageRect(HWND preview);

private:
    CPrintPreview(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer,
                  HDC paperDc);
    ~CPrintPreview();
    CPrintPreview(const CPrintPreview&) = delete;
    CPrintPreview& operator=(const CPrintPreview&) = delete;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterOnce();
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Record(HDC paperDc);
    void Paint(HDC dc);
    void PlaceButtons();
    CPrintPage::Rect Page() const;
    void Close();

    HWND m_window = nullptr;
    HWND m_owner;
    bool m_ownerDisabled = false;
    CGameFacade& m_facade;
    std::string m_title;
    CPrinterSettings& m_printer;
    CPrintPage::Paper m_paper = {};
    HENHMETAFILE m_page = nullptr;
    HWND m_print = nullptr;
    HWND m_close = nullptr;
};
