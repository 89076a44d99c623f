#include "engine/clock.h"

#include <chrono>
#include <climits>

int64_t CClock::CalendarMillis() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

int64_t CClock::SecondOf(int64_t millis) {
    return millis / kMillisPerSecond - (millis % kMillisPerSecond < 0 ? 1 : 0);
}

void CClock::Start() { m_start = SecondOf(m_source()); }

int CClock::Elapsed() const {
    const int64_t elapsed = SecondOf(m_source()) - m_start;
    return elapsed > INT_MAX ? INT_MAX : elapsed < INT_MIN ? INT_MIN : static_cast<int>(elapsed);
}
