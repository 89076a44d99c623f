// Filling the reader on POSIX systems: poll tells whether a read would wait.
#include "tools/cli/linereader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace cli {

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

}  // namespace cli
