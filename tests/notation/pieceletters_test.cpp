#include "notation/pieceletters.h"

#include <gtest/gtest.h>

namespace {

struct LetterCase {
    char english;
    char german;
};

// Q/D, R/T, B/L and N/S translate in both cases; everything else passes through.
TEST(PieceLetters, TranslatesOnlyTheFourDifferingLetters) {
    const LetterCase cases[] = {{'Q', 'D'}, {'R', 'T'}, {'B', 'L'}, {'N', 'S'},
                                {'q', 'd'}, {'r', 't'}, {'b', 'l'}, {'n', 's'}};
    for (const LetterCase& c : cases) {
        EXPECT_EQ(EnglishToGerman(c.english), c.german) << c.english;
        EXPECT_EQ(GermanToEnglish(c.german), c.english) << c.german;
    }
    for (char c : {'K', 'k', 'P', 'x', '=', '1', '\xE4'}) {
        EXPECT_EQ(EnglishToGerman(c), c) << int(c);
        EXPECT_EQ(GermanToEnglish(c), c) << int(c);
    }
    EXPECT_EQ(EnglishToGerman('D'), 'D');
    EXPECT_EQ(GermanToEnglish('B'), 'B');
}

struct CodeCase {
    char letter;
    uint8_t english;
    uint8_t german;
};

TEST(PieceLetters, LetterCodesFoldCaseAndMarkCharactersAboveZ) {
    const CodeCase cases[] = {
        {'K', 1, 1},       {'k', 0x81, 0x81}, {'Q', 2, 0},       {'q', 0x82, 0x80},
        {'D', 0, 2},       {'d', 0x80, 0x82}, {'R', 16, 0},      {'T', 0, 16},
        {'B', 4, 32},      {'b', 0x84, 0xA0}, {'L', 0, 4},       {'N', 8, 0},
        {'S', 0, 8},       {'s', 0x80, 0x88}, {'P', 32, 0},      {'p', 0xA0, 0x80},
        // No piece letter: 0 below '[' and 0x80 from '[' to DEL.
        {'X', 0, 0},       {'=', 0, 0},       {' ', 0, 0},       {'8', 0, 0},
        {'x', 0x80, 0x80}, {'[', 0x80, 0x80}, {'`', 0x80, 0x80}, {'~', 0x80, 0x80},
        {'\x7F', 0x80, 0x80},
        // Bytes from 0x80 up count as below 'Z'.
        {'\x80', 0, 0},    {'\xE4', 0, 0},    {'\xFF', 0, 0},
    };
    for (const CodeCase& c : cases) {
        EXPECT_EQ(EnglishLetterCode(c.letter), c.english) << int(c.letter);
        EXPECT_EQ(GermanLetterCode(c.letter), c.german) << int(c.letter);
    }
}

}  // namespace
