#include "app/core/view/wheelscroll.h"

int CWheelScroll::Lines(int rotation, int linesPerNotch) {
    if (linesPerNotch <= 0) return 0;
    // A turn the other way drops what the last one left over.
    if ((m_rest > 0 && rotation < 0) || (m_rest < 0 && rotation > 0)) m_rest = 0;
    m_rest += rotation * linesPerNotch;
    const int lines = m_rest / kNotch;
    m_rest -= lines * kNotch;
    return lines;
}
