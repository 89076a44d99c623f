#include "app/core/frame/lockkeystate.h"

void CLockKeyState::OnKeyDown() {
    if (!m_down) m_toggled = !m_toggled;
    m_down = true;
}

bool CLockKeyState::IsOn(bool systemOn) {
    if (systemOn) m_systemLocks = true;
    return m_systemLocks ? systemOn : m_toggled;
}
