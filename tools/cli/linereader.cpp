#include "tools/cli/linereader.h"

namespace cli {

bool CLineReader::TakeLine(std::string* line) {
    size_t end = m_buffer.find('\n');
    if (m_skipping) {
        if (end == std::string::npos) {
            m_buffer.clear();
            return false;
        }
        m_buffer.erase(0, end + 1);
        m_skipping = false;
        end = m_buffer.find('\n');
    }
    if (end == std::string::npos) {
        if (m_buffer.size() < kMaxLine && !(m_end && !m_buffer.empty())) return false;
        // The last line without a line feed, or an endless one: that one is
        // passed on cut, and what follows of it up to its line feed is dropped.
        m_skipping = m_buffer.size() >= kMaxLine;
        line->swap(m_buffer);
        m_buffer.clear();
        return true;
    }
    line->assign(m_buffer, 0, end);
    m_buffer.erase(0, end + 1);
    if (!line->empty() && line->back() == '\r') line->pop_back();
    return true;
}

bool CLineReader::ReadLine(std::string* line) {
    while (!TakeLine(line)) {
        if (m_end) return false;
        Fill(true);
    }
    return true;
}

bool CLineReader::PollLine(std::string* line) {
    if (TakeLine(line)) return true;
    Fill(false);
    return TakeLine(line);
}

}  // namespace cli
