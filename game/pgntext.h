// A PGN text kept as lines and read back as a stream of move tokens; the
// document keeps the one its game came from, to write it again behind it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CGameFacade;

class CPgnText {
public:
    // A token with its closing blank and terminating zero fits this buffer.
    static constexpr int kTokenSize = 5000;
    // The most bytes a text holds, line ends included, so that its line count
    // fits an int. Adding more throws std::length_error.
    static constexpr size_t kMaxSize = 0x7fffffff;

    CPgnText();
    virtual ~CPgnText();
    CPgnText(const CPgnText&) = delete;
    CPgnText& operator=(const CPgnText&) = delete;

    // A line feed inside the line ends it there and starts another.
    void AddLine(const char* line);
    void AddLine(const std::string& line);
    // Splits text at LF, CR LF or a lone CR and adds each line whole; a line
    // end at the very end opens no further line. dropEmpty lets LFs in a row
    // count as one, as a paste reads them: an empty line ended by a bare LF is left out.
    void AddText(const char* text, size_t length, bool dropEmpty);

    // Back to the first line, outside any tag, comment or variation.
    void Rewind();
    // The next stored line into *line; false when all have been given.
    bool NextLine(std::string_view* line);
    // The next token with one blank at its end; the empty text when exhausted.
    const char* NextToken();
    // True when a tag section opened between the previous token and the last one.
    bool TagBeforeToken() const { return m_tagBeforeToken; }

    // Plays the first game of the text on facade: every token but annotation
    // glyphs goes to EnterMove, up to the game's termination or the tag section
    // of a following game. Returns the number of moves accepted.
    int Replay(CGameFacade* facade);
    // How many tokens a fresh game accepts as moves.
    int ReplayCount();

    int LineCount() const { return m_lineCount; }
    // The bytes the stored lines take in memory.
    size_t HeldBytes() const { return m_text.capacity(); }

    // "1-0", "0-1", "1/2-1/2" or "*", each with its closing blank.
    static bool IsTermination(const char* token);
    // $ and digits with the closing blank: a numeric annotation glyph.
    static bool IsGlyph(const char* token);

private:
    // The next character, a line feed between lines, or -1 at the end.
    int NextChar();
    void AddLine(const char* line, size_t length);
    void Collect(char c);
    void ClearCollect();
    const char* CompleteToken();

    // Every line followed by a line feed, all in one string: a text of
    // nothing but line ends costs one byte a line, not a string each.
    std::string m_text;
    int m_lineCount;
    size_t m_char;  // offset in m_text of the next character
    char m_token[kTokenSize];
    int m_inTag;
    int m_inVariation;  // nesting depth of (...)
    int m_inComment;
    char m_collect[kTokenSize];
    int m_collectLength;
    bool m_collectOverflow;  // the token being collected is too long and is dropped
    bool m_hadToken;
    bool m_tagSinceToken;
    bool m_tagBeforeToken;
};
