#include "engine/clock.h"

#include <ctime>

namespace {
int64_t CalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }
CClock::Source g_source = CalendarSeconds;
}  // namespace

void CClock::Start() { m_start = Now(); }

int CClock::Elapsed() const { return static_cast<int>(Now() - m_start); }

void CClock::SetSource(Source source) { g_source = source ? source : CalendarSeconds; }

int64_t CClock::Now() { return g_source(); }
