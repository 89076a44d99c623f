#include "tools/cli/linereader.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <io.h>
#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <thread>
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
// The reading thread blocks in ReadFile and hands over what it got; it owns
// its share of the state, so it may outlive the reader at the program's end.
struct CLineReader::Background {
    std::mutex mutex;
    std::condition_variable arrived;
    std::string data;
    bool ended = false;
};

void CLineReader::Fill(bool wait) {
    if (m_end) return;
    if (!m_background) {
        m_background = std::make_shared<Background>();
        const HANDLE input = reinterpret_cast<HANDLE>(_get_osfhandle(m_fd));
        std::thread([input, shared = m_background] {
            char chunk[kChunk];
            for (;;) {
                DWORD got = 0;
                const bool read = input != INVALID_HANDLE_VALUE && ReadFile(input, chunk, kChunk, &got, nullptr);
                std::lock_guard<std::mutex> lock(shared->mutex);
                if (!read || got == 0) {
                    shared->ended = true;
                    shared->arrived.notify_all();
                    return;
                }
                shared->data.append(chunk, got);
                shared->arrived.notify_all();
            }
        }).detach();
    }
    std::unique_lock<std::mutex> lock(m_background->mutex);
    if (wait) m_background->arrived.wait(lock, [this] { return !m_background->data.empty() || m_background->ended; });
    m_buffer += m_background->data;
    m_background->data.clear();
    if (m_background->ended) m_end = true;
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
