// What limits one search, in one value handed to the search and to the
// thinking driver: when an iteration still running is abandoned and when no
// further one may start, as deadlines in milliseconds on a steady clock; how
// many iterations follow the first; how many nodes the search may make; and
// whether it was asked to stop. Nothing else ends a search.
#pragma once

#include <cstdint>

#include "engine/clock.h"

class CSearchControl {
public:
    // A clock reading in milliseconds; tests put clocks of their own.
    using Clock = int64_t (*)();
    static constexpr int64_t kNever = INT64_MAX;

    // Milliseconds on a clock that never jumps.
    static int64_t SteadyMillis();
    static constexpr Clock CalendarMillis = CClock::CalendarMillis;

    // No limit: the search runs for as long as its caller deepens it.
    CSearchControl() = default;

    // The program's own limits, read in whole calendar seconds as CClock
    // reads them: an iteration still running once the search's clock shows
    // more than `seconds` is abandoned, and none starts once the driver's
    // clock shows `seconds`. Both clocks start now; `calendar` says where
    // the calendar's seconds begin.
    static CSearchControl WholeSeconds(int seconds, int iterations, Clock steady = SteadyMillis,
                                       Clock calendar = CalendarMillis);
    // A budget in milliseconds from now: an iteration still running after
    // budgetMs is abandoned, none starts once budgetMs have passed. The node
    // limit counts the search's own nodes; 0 for none.
    static CSearchControl Milliseconds(int64_t budgetMs, int iterations, int64_t nodeLimit,
                                       Clock steady = SteadyMillis);

    // Iterations after the first.
    int Iterations() const { return m_iterations; }
    // Asked by the search at every node from its second iteration on.
    bool MustAbandon(int64_t searchNodes) const {
        return m_stopRequested || (m_nodeLimit > 0 && searchNodes >= m_nodeLimit) ||
               (m_abandonAtMs != kNever && m_clock() >= m_abandonAtMs);
    }
    // Asked by the driver after each iteration.
    bool MayDeepen(int64_t searchNodes) const {
        return !m_stopRequested && !(m_nodeLimit > 0 && searchNodes >= m_nodeLimit) &&
               (m_lastStartMs == kNever || m_clock() < m_lastStartMs);
    }
    // The search is to end at its next node, with the move it has.
    void RequestStop() { m_stopRequested = true; }
    bool StopRequested() const { return m_stopRequested; }

    int64_t AbandonAtMs() const { return m_abandonAtMs; }
    int64_t LastStartMs() const { return m_lastStartMs; }
    int64_t NodeLimit() const { return m_nodeLimit; }
    // The calendar the whole seconds are read on, for the search's own clock.
    Clock Calendar() const { return m_calendar; }

private:
    Clock m_clock = SteadyMillis;
    Clock m_calendar = CalendarMillis;
    int64_t m_abandonAtMs = kNever;
    int64_t m_lastStartMs = kNever;
    int m_iterations = 0;
    int64_t m_nodeLimit = 0;
    bool m_stopRequested = false;
};
