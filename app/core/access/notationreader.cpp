#include "app/core/access/notationreader.h"

#include "app/core/access/boardkeys.h"
#include "app/core/access/boardspeech.h"
#include "app/core/picture/notationlines.h"

namespace {

// Continuation bytes of UTF-8 (10xxxxxx) start no character.
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;

int Characters(const std::string& text) {
    int count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & kContinuationMask) != kContinuationBits) ++count;
    return count;
}

const std::string kNoLine;

}  // namespace

void CNotationReader::Read(CGameFacade& facade) {
    m_lines.clear();
    m_starts.clear();
    int start = 0;
    for (CNotationLines::Line& line : CNotationLines::Read(facade)) {
        m_starts.push_back(start);
        start += Characters(line.text) + 1;
        m_lines.push_back(std::move(line.text));
    }
    m_cursor = 0;
}

bool CNotationReader::OnKey(int key) {
    const int last = LineCount() > 0 ? LineCount() - 1 : 0;
    switch (key) {
        case CBoardKeys::kUp: m_cursor = m_cursor > 0 ? m_cursor - 1 : 0; return true;
        case CBoardKeys::kDown: m_cursor = m_cursor < last ? m_cursor + 1 : last; return true;
        case CBoardKeys::kHome: m_cursor = 0; return true;
        case CBoardKeys::kEnd: m_cursor = last; return true;
        default: return false;
    }
}

bool CNotationReader::Jumps(int key) { return key == CBoardKeys::kHome || key == CBoardKeys::kEnd; }

const std::string& CNotationReader::Line(int line) const {
    return line >= 0 && line < LineCount() ? m_lines[line] : kNoLine;
}

std::string CNotationReader::Text() const {
    std::string text;
    for (size_t line = 0; line < m_lines.size(); ++line) {
        if (line > 0) text += kLineEnd;
        text += m_lines[line];
    }
    return text;
}

int CNotationReader::CharCount() const {
    return m_lines.empty() ? 0 : m_starts.back() + Characters(m_lines.back());
}

int CNotationReader::LineStart(int line) const {
    if (line <= 0) return 0;
    return line < LineCount() ? m_starts[line] : CharCount();
}

int CNotationReader::LineAt(int offset) const {
    int line = 0;
    while (line + 1 < LineCount() && m_starts[line + 1] <= offset) ++line;
    return line;
}

std::string CNotationReader::Opening() const {
    std::string text = CBoardSpeech::kNotationShown;
    for (int line = 0; line < kOpeningLines && line < LineCount(); ++line) text += CBoardSpeech::kSentenceEnd + m_lines[line];
    return text;
}
