// The printer the user chose, kept between the print commands: the common
// dialog's DEVMODE and DEVNAMES, given back to every later print dialog and
// asked for the preview's paper.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "app/core/view/printpage.h"

class CPrinterSettings {
public:
    // The texts of its boxes, in the program's language.
    struct Texts {
        const char* caption;
        const char* noPrinter;
        const char* dialogFailed;  // a printf format for the dialog's error number (%lu)
    };

    explicit CPrinterSettings(const Texts& texts) : m_texts(texts) {}
    ~CPrinterSettings();
    CPrinterSettings(const CPrinterSettings&) = delete;
    CPrinterSettings& operator=(const CPrinterSettings&) = delete;

    // "D&ruck Einstellung...": the setup dialog; what is chosen there stays.
    void Setup(HWND owner);
    // The print dialog on the kept printer: a DC of the printer chosen, or
    // null when the user cancelled or there is no printer (then said in a
    // message box). The caller deletes the DC.
    HDC ChoosePrinter(HWND owner);
    // A DC of the kept printer or, before any choice, the default one,
    // without a dialog; null when there is none. The caller deletes it.
    HDC CurrentPrinter();

    // Whether the system knows any printer at all.
    static bool AnyPrinter();
    // The sheet a printer's DC prints on; a DC that is no printer's counts
    // as a sheet the size of its device (a screen's).
    static CPrintPage::Paper PaperOf(HDC dc);
    // What the user is told when the dialog ended with the error; empty for
    // a cancel, which is no failure.
    std::string FailureText(DWORD error) const;
    const Texts& BoxTexts() const { return m_texts; }

private:
    // Runs the dialog on the kept handles and keeps what it gives back.
    bool Run(HWND owner, PRINTDLGW* dialog);

    void Report(HWND owner, DWORD error) const;

    Texts m_texts;
    HGLOBAL m_devMode = nullptr;
    HGLOBAL m_devNames = nullptr;
};
