// The message pump's toolkit side: lets one pending event through while the
// computer thinks, with the wait cursor off around it.
#pragma once

#include "app/core/view/pumpthrottle.h"
#include "engine/messagepump.h"

class CWxPumpPlatform : public CMessagePump::Platform {
public:
    explicit CWxPumpPlatform(unsigned callsPerLook = CPumpThrottle::kCallsPerLook) : m_throttle(callsPerLook) {}
    void DispatchOne() override;

    unsigned long Looks() const { return m_throttle.Looks(); }
    unsigned long Dispatched() const { return m_dispatched; }

private:
    CPumpThrottle m_throttle;
    unsigned long m_dispatched = 0;
};
