#include "engine/messagepump.h"

namespace {
// 1 while the computer thinks. One flag for the whole program: a new game or
// a closing document switches it off for whichever search runs.
int g_thinking = CMessagePump::kThinkingOff;
}  // namespace

CMessagePump::CMessagePump() { g_thinking = kThinkingOff; }

CMessagePump::~CMessagePump() { g_thinking = kThinkingOff; }

void CMessagePump::SetThinking(int flag) { g_thinking = flag; }

int CMessagePump::Thinking() const { return g_thinking; }

bool CMessagePump::PumpOne() {
    if (g_thinking == kThinkingOff) return true;
    if (m_platform) m_platform->DispatchOne();
    return g_thinking == kThinkingOff;
}

CMessagePump& TheMessagePump() {
    static CMessagePump pump;
    return pump;
}
