// One page as one spooler job on a printer's device context, listed by the
// document's name; a printer that refuses the job at any step gets it
// aborted.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <functional>

#include "app/core/view/printpage.h"

class CPrintJob {
public:
    // draw: the page on the printer's DC, in the paper's dots. False when
    // the printer did not take the job.
    static bool PrintPage(HDC printerDc, const char* documentName,
                          const std::function<void(HDC, const CPrintPage::Paper&)>& draw);
};
