#include "app/core/view/paintstatus.h"

bool CPaintStatus::OnPaint(int width, int height, bool boxShowing) {
    // A request made while such a box is up waits for the first paint after it.
    if (boxShowing && m_ownText) return false;
    const bool resized = width != m_width || height != m_height;
    m_width = width;
    m_height = height;
    const bool write = m_due || resized;
    m_due = false;
    if (write) m_ownText = false;
    return write;
}
