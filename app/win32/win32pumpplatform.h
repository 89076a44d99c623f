// The message pump's Win32 side: while a long computation runs, one pending
// message at a time goes through, with the keyboard table applied as the
// program's own loop applies it, and the normal cursor over what it opens.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/view/pumpthrottle.h"
#include "engine/messagepump.h"

class CWin32PumpPlatform : public CMessagePump::Platform {
public:
    explicit CWin32PumpPlatform(unsigned callsPerLook = CPumpThrottle::kCallsPerLook) : m_throttle(callsPerLook) {}
    // The main window and its keyboard table; null for none.
    void SetKeyTable(HWND frame, HACCEL keys) {
        m_frame = frame;
        m_keys = keys;
    }
    void DispatchOne() override;

    unsigned long Dispatched() const { return m_dispatched; }

private:
    CPumpThrottle m_throttle;
    unsigned long m_dispatched = 0;
    HWND m_frame = nullptr;
    HACCEL m_keys = nullptr;
};
