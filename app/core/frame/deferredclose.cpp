#include "app/core/frame/deferredclose.h"

bool CDeferredClose::LeaveThinking() {
    if (m_depth > 0) --m_depth;
    return m_depth == 0 && m_pending;
}

bool CDeferredClose::RequestClose(bool thinking) {
    if (m_depth == 0 && !thinking) return true;
    m_pending = true;
    return false;
}
