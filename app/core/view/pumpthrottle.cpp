#include "app/core/view/pumpthrottle.h"

bool CPumpThrottle::Look() {
    if (++m_calls < m_callsPerLook) return false;
    m_calls = 0;
    ++m_looks;
    return true;
}
