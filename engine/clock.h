// A clock that counts whole calendar seconds since it was started, as the
// search's information line shows them. What ends a search is its
// CSearchControl, not this clock.
#pragma once

#include <cstdint>

class CClock {
public:
    // A reading of the calendar in milliseconds; tests put their own.
    using Source = int64_t (*)();
    static constexpr int64_t kMillisPerSecond = 1000;
    static int64_t CalendarMillis();
    // The whole second a reading falls in, rounded down as the calendar's
    // time() gives it.
    static int64_t SecondOf(int64_t millis);

    explicit CClock(Source calendar = CalendarMillis) : m_source(calendar) {}

    void Start();
    int Elapsed() const;

private:
    Source m_source;
    int64_t m_start = 0;
};
