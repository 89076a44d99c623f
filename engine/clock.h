// A clock that counts whole units since it was started: calendar seconds by
// default; the UCI mode and the tests put another time source behind it.
#pragma once

#include <cstdint>

class CClock {
public:
    // Returns the current time in the source's units.
    using Source = int64_t (*)();

    void Start();
    int Elapsed() const;

    // Every clock reads the same source; null restores calendar seconds.
    static void SetSource(Source source);
    static int64_t Now();

private:
    int64_t m_start = 0;
};
