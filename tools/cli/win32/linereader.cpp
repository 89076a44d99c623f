// Filling the reader on Windows, which cannot look into a pipe without
// reading it (Wine cannot at all): a thread of its own reads ahead.
#include "tools/cli/linereader.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <io.h>
#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace cli {

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

}  // namespace cli
