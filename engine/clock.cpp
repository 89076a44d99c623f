#include "engine/clock.h"

#include <climits>
#include <ctime>

namespace {
int64_t CalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }
CClock::Source g_source = CalendarSeconds;
}  // namespace

void CClock::Start() { m_start = Now(); }

int CClock::Elapsed() const {
    const int64_t elapsed = Now() - m_start;
    return elapsed > INT_MAX ? INT_MAX : elapsed < INT_MIN ? INT_MIN : static_cast<int>(elapsed);
}

void CClock::SetSource(Source source) { g_source = source ? source : CalendarSeconds; }

int64_t CClock::Now() { return g_source(); }
