// The message pump's toolkit side: lets one pending event through while the
// computer thinks, with the wait cursor off around it.
#pragma once

#include "engine/messagepump.h"

class CWxPumpPlatform : public CMessagePump::Platform {
public:
    // Asking the toolkit for pending events costs a system call, and the pump
    // is asked once per search node; so only every kCallsPerLook-th call looks.
    static constexpr unsigned kCallsPerLook = 256;

    explicit CWxPumpPlatform(unsigned callsPerLook = kCallsPerLook) : m_callsPerLook(callsPerLook) {}
    void DispatchOne() override;

    unsigned long Looks() const { return m_looks; }
    unsigned long Dispatched() const { return m_dispatched; }

private:
    unsigned m_callsPerLook;
    unsigned m_calls = 0;
    unsigned long m_looks = 0;
    unsigned long m_dispatched = 0;
};
