#include "engine/searchcontrol.h"

#include <chrono>

int64_t CSearchControl::SteadyMillis() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A whole-second clock started within a calendar second shows n seconds from
// the start of the n-th second after that one: the deadlines are those
// starts, moved onto the steady clock, which a change of the calendar does
// not move.
CSearchControl CSearchControl::WholeSeconds(int seconds, int iterations, Clock steady, Clock calendar) {
    CSearchControl control;
    control.m_clock = steady;
    control.m_calendar = calendar;
    const int64_t now = steady();
    const int64_t date = calendar();
    const int64_t second = CClock::SecondOf(date) * CClock::kMillisPerSecond;
    const int64_t shown = now - (date - second);  // on the steady clock: when the clocks showed 0
    control.m_lastStartMs = shown + int64_t{seconds} * CClock::kMillisPerSecond;
    control.m_abandonAtMs = shown + (int64_t{seconds} + 1) * CClock::kMillisPerSecond;
    control.m_iterations = iterations;
    return control;
}

CSearchControl CSearchControl::Milliseconds(int64_t budgetMs, int iterations, int64_t nodeLimit, Clock steady) {
    CSearchControl control;
    control.m_clock = steady;
    const int64_t now = steady();
    control.m_lastStartMs = now + budgetMs;
    control.m_abandonAtMs = now + budgetMs + 1;
    control.m_iterations = iterations;
    control.m_nodeLimit = nodeLimit;
    return control;
}
