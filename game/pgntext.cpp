#include "game/pgntext.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "game/gamefacade.h"

namespace {

constexpr char kLineFeed = '\n';
constexpr char kReturn = '\r';
constexpr char kBlank = ' ';
constexpr int kEndOfText = -1;
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kFirstHighByte = 0x80;

constexpr char kTagOpen = '[';
constexpr char kTagClose = ']';
constexpr char kCommentOpen = '{';
constexpr char kCommentClose = '}';
constexpr char kVariationOpen = '(';
constexpr char kVariationClose = ')';
constexpr char kMoveNumberEnd = '.';
constexpr char kGlyphMark = '$';

// The tokens that end a game, with the blank every token carries.
constexpr const char* kTerminations[] = {"1-0 ", "0-1 ", "1/2-1/2 ", "* "};

// Room for the token's closing blank and terminating zero.
constexpr int kMaxTokenLength = CPgnText::kTokenSize - 2;

bool IsBlank(int c) {
    return c == kBlank || c < kFirstPrintable || c >= kFirstHighByte;
}

}  // namespace

bool CPgnText::IsTermination(const char* token) {
    for (const char* termination : kTerminations)
        if (std::strcmp(token, termination) == 0) return true;
    return false;
}

// The move parser might read a glyph as a pawn move: $4 as a pawn to the fourth rank.
bool CPgnText::IsGlyph(const char* token) {
    if (token[0] != kGlyphMark || token[1] < '0' || token[1] > '9') return false;
    const char* p = token + 1;
    while (*p >= '0' && *p <= '9') ++p;
    return *p == kBlank && p[1] == '\0';
}

CPgnText::CPgnText()
    : m_lineCount(0),
      m_char(0),
      m_token(),
      m_inTag(0),
      m_inVariation(0),
      m_inComment(0),
      m_collect(),
      m_collectLength(0),
      m_collectOverflow(false),
      m_hadToken(false),
      m_tagSinceToken(false),
      m_tagBeforeToken(false) {}

CPgnText::~CPgnText() = default;

void CPgnText::AddLine(const char* line) { AddLine(line, std::strlen(line)); }

void CPgnText::AddLine(const std::string& line) { AddLine(line.data(), line.size()); }

void CPgnText::AddLine(const char* line, size_t length) {
    if (length >= kMaxSize - m_text.size()) throw std::length_error("PGN text too long");
    m_text.append(line, length);
    m_text.push_back(kLineFeed);
    m_lineCount += 1 + static_cast<int>(std::count(line, line + length, kLineFeed));
}

void CPgnText::AddText(const char* text, size_t length, bool dropEmpty) {
    // Reserved first, so that a long text is not copied as its string grows:
    // it takes at most its own length and one line feed more.
    if (length >= kMaxSize - m_text.size()) throw std::length_error("PGN text too long");
    m_text.reserve(m_text.size() + length + 1);
    size_t start = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] != kLineFeed && text[i] != kReturn) continue;
        // Only LFs in a row count as one: an empty line ended by CR LF or CR stays.
        const bool emptyBeforeLf = text[i] == kLineFeed && i == start;
        if (!dropEmpty || !emptyBeforeLf) AddLine(text + start, i - start);
        if (text[i] == kReturn && i + 1 < length && text[i + 1] == kLineFeed) ++i;
        start = i + 1;
    }
    if (start < length) AddLine(text + start, length - start);
}

void CPgnText::Rewind() {
    m_char = 0;
    m_inTag = 0;
    m_inVariation = 0;
    m_inComment = 0;
    ClearCollect();
    m_token[0] = '\0';
    m_hadToken = false;
    m_tagSinceToken = false;
    m_tagBeforeToken = false;
}

bool CPgnText::NextLine(std::string_view* line) {
    if (m_char >= m_text.size()) return false;
    // Every line has its line feed, the last one too.
    const size_t end = m_text.find(kLineFeed, m_char);
    *line = std::string_view(m_text.data() + m_char, end - m_char);
    m_char = end + 1;
    return true;
}

// Lines are joined by one line feed; the last one's is not given.
int CPgnText::NextChar() {
    if (m_char >= m_text.size()) return kEndOfText;
    const char c = m_text[m_char++];
    if (c == kLineFeed && m_char == m_text.size()) return kEndOfText;
    return static_cast<unsigned char>(c);
}

void CPgnText::Collect(char c) {
    if (m_collectLength < kMaxTokenLength)
        m_collect[m_collectLength++] = c;
    else
        m_collectOverflow = true;
}

void CPgnText::ClearCollect() {
    m_collectLength = 0;
    m_collectOverflow = false;
}

// Null when the collected token was too long: it is dropped whole, since a
// cut piece of it could read as a move.
const char* CPgnText::CompleteToken() {
    const bool overflow = m_collectOverflow;
    const int length = m_collectLength;
    ClearCollect();
    if (overflow) return nullptr;
    std::memcpy(m_token, m_collect, length);
    m_token[length] = kBlank;
    m_token[length + 1] = '\0';
    m_tagBeforeToken = m_tagSinceToken;
    m_tagSinceToken = false;
    m_hadToken = true;
    return m_token;
}

const char* CPgnText::NextToken() {
    for (;;) {
        const int c = NextChar();
        if (c == kEndOfText) {
            const bool collecting = m_collectLength > 0 || m_collectOverflow;
            const char* token = collecting ? CompleteToken() : nullptr;
            if (token != nullptr) return token;
            m_token[0] = '\0';
            return m_token;
        }
        // Comments and tag pairs end only at their own closing character.
        if (m_inComment) {
            if (c == kCommentClose) m_inComment = 0;
            continue;
        }
        if (m_inTag) {
            if (c == kTagClose) m_inTag = 0;
            continue;
        }
        if (c == kCommentOpen) {
            m_inComment = 1;
            continue;
        }
        if (c == kTagOpen) {
            m_inTag = 1;
            if (m_inVariation == 0 && m_hadToken) m_tagSinceToken = true;
            ClearCollect();
            continue;
        }
        if (c == kVariationOpen) {
            ++m_inVariation;
            continue;
        }
        if (m_inVariation > 0) {
            if (c == kVariationClose) --m_inVariation;
            continue;
        }
        if (c == kMoveNumberEnd) {
            ClearCollect();
        } else if (IsBlank(c)) {
            if (m_collectLength == 0 && !m_collectOverflow) continue;
            if (const char* token = CompleteToken()) return token;
        } else {
            Collect(static_cast<char>(c));
        }
    }
}

int CPgnText::Replay(CGameFacade* facade) {
    Rewind();
    int count = 0;
    for (const char* token = NextToken(); *token != '\0'; token = NextToken()) {
        if (count > 0 && m_tagBeforeToken) break;  // the next game's tags
        if (IsTermination(token)) break;
        if (IsGlyph(token)) continue;
        if (*facade->EnterMove(token) == '\0') ++count;
    }
    return count;
}

int CPgnText::ReplayCount() {
    const auto fresh = std::make_unique<CGameFacade>();
    return Replay(fresh.get());
}
