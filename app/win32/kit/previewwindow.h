// A print preview: a window of its own over its owner, showing a printed
// page scaled into it (a white sheet with a shadow on grey), with "Drucken"
// and "Schliessen"; Escape closes it too. The page is recorded once as a
// metafile on the printer, so the preview shows the printer's fonts and
// line breaks; with no printer it shows an A4 sheet at the screen's
// resolution.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <memory>
#include <string>

#include "app/core/view/printpage.h"
#include "app/win32/kit/basewindow.h"

class CPrinterSettings;

class CPreviewWindow : public CBaseWindow {
public:
    // What the preview shows and prints; the preview owns it.
    class Page {
    public:
        virtual ~Page() = default;
        // The page on a DC in the paper's dots, from the sheet's corner.
        virtual void Draw(HDC dc, const CPrintPage::Paper& paper) = 0;
        // "Drucken", over the preview; the preview closes afterwards.
        virtual void Print(HWND preview) = 0;
    };

    static constexpr const wchar_t* kClassName = L"KitPrintPreview";
    // The window's caption and its two buttons' texts, in the program's language.
    struct Labels {
        std::string caption;
        const char* print;
        const char* close;
    };
    // Not IDOK: Enter on the preview prints nothing unless "Drucken" has
    // the focus.
    static constexpr int kPrintButton = 100;
    // "Schliessen" has the cancel id, so that Escape reaches it as the
    // dialog keys have it.
    static constexpr int kCloseButton = IDCANCEL;

    // Modal over the owner, which stays disabled until the preview is
    // closed; the page on the kept printer's paper.
    static void Show(HWND owner, std::unique_ptr<Page> page, const Labels& labels, CPrinterSettings& printer);
    // The window alone, shown, without its loop and with the owner left
    // enabled; the page is the one of paperDc (a printer's DC), or A4 when
    // it is null. The window closes itself; DestroyWindow also does.
    static HWND Create(HWND owner, std::unique_ptr<Page> page, const Labels& labels, HDC paperDc);
    // One message as the preview's loop handles it: the dialog keys
    // (Escape, Tab, Enter) first.
    static void Route(HWND preview, MSG* message);
    // Where the sheet lies in the client area.
    static RECT PageRect(HWND preview);

private:
    CPreviewWindow(HWND owner, std::unique_ptr<Page> page, const Labels& labels, HDC paperDc);
    ~CPreviewWindow() override;

    // The preview shown, owning itself; null when there is no window.
    static CPreviewWindow* Open(HWND owner, std::unique_ptr<Page> page, const Labels& labels, HDC paperDc);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override;
    bool CreateButtons();
    void Record(HDC paperDc);
    void Paint(HDC dc);
    void PlaceButtons();
    // The bar, the buttons and their font at the scale of the window's monitor.
    void SetDpi(int dpi);
    // A size at 96 dpi at that scale.
    int Scaled(int pixels) const;
    CPrintPage::Rect Sheet() const;
    void Close();

    HWND m_owner;
    bool m_ownerDisabled = false;
    bool m_ownsItself = false;  // once the window is there, it deletes the preview
    std::unique_ptr<Page> m_page;
    Labels m_labels;
    CPrintPage::Paper m_paper = {};
    HENHMETAFILE m_recorded = nullptr;
    HWND m_print = nullptr;
    HWND m_close = nullptr;
    int m_dpi = 0;
    HFONT m_font = nullptr;  // the buttons', made for m_dpi
};
