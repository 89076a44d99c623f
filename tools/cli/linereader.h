// Lines from a file descriptor, read whole, with a look that never blocks:
// the UCI session reads commands both while idle and between search nodes.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace cli {

class CLineReader {
public:
    // A line this long is no command: it comes cut to about this length.
    static constexpr size_t kMaxLine = 1 << 20;

    explicit CLineReader(int fd) : m_fd(fd) {}

    // Waits for the next line; false at the end of the input.
    bool ReadLine(std::string* line);
    // The next line if one has arrived; never waits.
    bool PollLine(std::string* line);
    bool AtEnd() const { return m_end && m_buffer.empty(); }

private:
    static constexpr int kChunk = 4096;  // read at a time

    bool TakeLine(std::string* line);
    // Reads what is there; waits only when asked to. Each system its own way
    // (posix/, win32/).
    void Fill(bool wait);

    // Where Windows cannot look into a pipe without reading it (Wine cannot
    // at all), a thread of its own reads the input ahead.
    struct Background;

    int m_fd;
    std::shared_ptr<Background> m_background;
    std::string m_buffer;
    bool m_end = false;
    bool m_skipping = false;  // dropping the rest of a cut line
};

}  // namespace cli
