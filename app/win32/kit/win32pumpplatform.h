// The message pump's Win32 side: while a long computation runs, one pending
// message at a time goes through, with the keyboard table applied as the
// program's own loop applies it, and the normal cursor over what it opens.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "engine/messagepump.h"

class CWin32PumpPlatform : public CMessagePump::Platform {
public:
    // Looking for a message costs a call into the system, and the pump is
    // asked once per search node; so only every kCallsPerLook-th call looks.
    static constexpr unsigned kCallsPerLook = 256;

    explicit CWin32PumpPlatform(unsigned callsPerLook = kCallsPerLook) : m_callsPerLook(callsPerLook) {}
    // The main window and its keyboard table; null for none.
    void SetKeyTable(HWND frame, HACCEL keys) {
        m_frame = frame;
        m_keys = keys;
    }
    void DispatchOne() override;

    unsigned long Dispatched() const { return m_dispatched; }

private:
    unsigned m_callsPerLook;
    unsigned m_calls = 0;
    unsigned long m_dispatched = 0;
    HWND m_frame = nullptr;
    HACCEL m_keys = nullptr;
};
