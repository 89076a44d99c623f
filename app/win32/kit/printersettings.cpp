#include "app/win32/kit/printersettings.h"

#include <cderr.h>
#include <winspool.h>

#include <cstdio>

#include "app/win32/kit/messagebox.h"
#include "app/win32/kit/widetext.h"

namespace {

// The smallest record of a printer: only whether there is one is asked.
constexpr DWORD kPrinterInfoLevel = 4;

}  // namespace

void CPrinterSettings::Report(HWND owner, DWORD error) const {
    const std::string text = FailureText(error);
    if (text.empty()) return;
    CMessageBox::Show(owner, text.c_str(), m_texts.caption, MB_OK | MB_ICONEXCLAMATION);
}

CPrinterSettings::~CPrinterSettings() {
    if (m_devMode) GlobalFree(m_devMode);
    if (m_devNames) GlobalFree(m_devNames);
}

std::string CPrinterSettings::FailureText(DWORD error) const {
    switch (error) {
        case 0:
            return std::string();
        case PDERR_NODEFAULTPRN:
        case PDERR_NODEVICES:
        case PDERR_PRINTERNOTFOUND:
            return m_texts.noPrinter;
        default: {
            char text[200];
            std::snprintf(text, sizeof text, m_texts.dialogFailed, static_cast<unsigned long>(error));
            return text;
        }
    }
}

bool CPrinterSettings::AnyPrinter() {
    DWORD needed = 0, count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, kPrinterInfoLevel, nullptr, 0, &needed,
                  &count);
    return needed > 0;
}

CPrintPage::Paper CPrinterSettings::PaperOf(HDC dc) {
    CPrintPage::Paper paper = {GetDeviceCaps(dc, PHYSICALWIDTH),  GetDeviceCaps(dc, PHYSICALHEIGHT),
                               GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY),
                               GetDeviceCaps(dc, LOGPIXELSX),      GetDeviceCaps(dc, LOGPIXELSY)};
    if (paper.width <= 0 || paper.height <= 0) {
        // A screen or memory DC: its surface is the sheet.
        paper.width = GetDeviceCaps(dc, HORZRES);
        paper.height = GetDeviceCaps(dc, VERTRES);
        paper.offsetX = paper.offsetY = 0;
    }
    return paper;
}

bool CPrinterSettings::Run(HWND owner, PRINTDLGW* dialog) {
    // Without any printer some dialogs warn in their own words, the setup
    // dialog even when asked not to; the user gets one message, ours.
    if (!AnyPrinter()) {
        Report(owner, PDERR_NODEVICES);
        return false;
    }
    dialog->lStructSize = sizeof *dialog;
    dialog->hwndOwner = owner;
    dialog->hDevMode = m_devMode;
    dialog->hDevNames = m_devNames;
    dialog->Flags |= PD_NOWARNING;
    const BOOL chosen = PrintDlgW(dialog);
    // The dialog may free the handles it was given and hand back new ones,
    // also when it is cancelled.
    m_devMode = dialog->hDevMode;
    m_devNames = dialog->hDevNames;
    if (!chosen) Report(owner, CommDlgExtendedError());
    return chosen != FALSE;
}

void CPrinterSettings::Setup(HWND owner) {
    PRINTDLGW dialog = {};
    dialog.Flags = PD_PRINTSETUP;
    Run(owner, &dialog);
}

HDC CPrinterSettings::ChoosePrinter(HWND owner) {
    PRINTDLGW dialog = {};
    // One page, so there are no pages or selection to choose; the printer
    // makes the copies itself.
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    return Run(owner, &dialog) ? dialog.hDC : nullptr;
}

HDC CPrinterSettings::CurrentPrinter() {
    if (!m_devNames) {
        if (!AnyPrinter()) return nullptr;
        // The default printer's handles, kept as if the user had chosen it.
        PRINTDLGW dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
        if (!PrintDlgW(&dialog)) return nullptr;
        m_devMode = dialog.hDevMode;
        m_devNames = dialog.hDevNames;
        if (!m_devNames) return nullptr;
    }
    const DEVNAMES* names = static_cast<const DEVNAMES*>(GlobalLock(m_devNames));
    if (!names) return nullptr;
    const wchar_t* base = reinterpret_cast<const wchar_t*>(names);
    const DEVMODEW* mode = m_devMode ? static_cast<const DEVMODEW*>(GlobalLock(m_devMode)) : nullptr;
    HDC dc = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
    if (mode) GlobalUnlock(m_devMode);
    GlobalUnlock(m_devNames);
    return dc;
}
