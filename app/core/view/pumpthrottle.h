// How often the message pump's platform looks for a pending window event
// while the computer thinks: asking the system costs a call, and the pump is
// asked once per search node, so only every n-th ask looks.
#pragma once

class CPumpThrottle {
public:
    static constexpr unsigned kCallsPerLook = 256;

    explicit CPumpThrottle(unsigned callsPerLook = kCallsPerLook) : m_callsPerLook(callsPerLook) {}

    // One ask of the pump; true when this one is to look.
    bool Look();
    unsigned long Looks() const { return m_looks; }

private:
    unsigned m_callsPerLook;
    unsigned m_calls = 0;
    unsigned long m_looks = 0;
};
