#include "tools/cli/linereader.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <io.h>
#include <windows.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

#include <cerrno>

namespace cli {

namespace {
constexpr int kChunk = 4096;
}  // namespace

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

#ifdef _WIN32
// A pipe says how much waits in it; a file is always ready. A console gives
// nothing without waiting, so a search is stopped only through a pipe.
void CLineReader::Fill(bool wait) {
    if (m_end) return;
    const HANDLE input = reinterpret_cast<HANDLE>(_get_osfhandle(m_fd));
    if (input == INVALID_HANDLE_VALUE) {
        m_end = true;
        return;
    }
    DWORD wanted = kChunk;
    const DWORD type = GetFileType(input);
    if (type == FILE_TYPE_PIPE) {
        DWORD waiting = 0;
        if (!PeekNamedPipe(input, nullptr, 0, nullptr, &waiting, nullptr)) {
            m_end = true;  // the writer has gone
            return;
        }
        if (waiting == 0 && !wait) return;
        if (waiting > 0 && waiting < wanted) wanted = waiting;
    } else if (type == FILE_TYPE_CHAR && !wait) {
        return;
    }
    char chunk[kChunk];
    DWORD got = 0;
    if (ReadFile(input, chunk, wanted, &got, nullptr) && got > 0)
        m_buffer.append(chunk, got);
    else
        m_end = true;
}
#else
void CLineReader::Fill(bool wait) {
    if (m_end) return;
    pollfd pfd{m_fd, POLLIN, 0};
    const int ready = poll(&pfd, 1, wait ? -1 : 0);
    if (ready <= 0) return;
    char chunk[kChunk];
    const ssize_t n = read(m_fd, chunk, sizeof chunk);
    if (n > 0)
        m_buffer.append(chunk, static_cast<size_t>(n));
    else if (n == 0 || (errno != EINTR && errno != EAGAIN))
        m_end = true;
}
#endif

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
