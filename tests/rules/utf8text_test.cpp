// UTF-8 texts counted and cut by characters: 1- to 4-byte characters, and
// cuts through every byte of a wide one.
#include "rules/utf8text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Utf8Text, CountsCharactersNotBytes) {
    const struct {
        const char* text;
        size_t chars;
    } cases[] = {
        {"", 0},        {"Nf3", 3},  {"Züge", 4}, {"ÄÖÜäöüß", 7},
        {"€", 1},       {"😀x", 2}, {"a\x80\x80" "b", 2},  // stray continuation bytes begin nothing
    };
    for (const auto& c : cases) EXPECT_EQ(utf8text::CharCount(c.text), c.chars) << c.text;
}

TEST(Utf8Text, FirstCharsKeepTheirContinuationBytes) {
    const struct {
        const char* text;
        size_t maxChars;
        const char* kept;
    } cases[] = {
        {"e2e4e5e6e7e8", 9, "e2e4e5e6e"},
        {"ÄÖÜäöüßDTL", 9, "ÄÖÜäöüßDT"},
        {"a€b", 2, "a€"},
        {"😀😀", 1, "😀"},
        {"Nf3", 0, ""},
        {"Nf3", 9, "Nf3"},
        {"", 9, ""},
    };
    for (const auto& c : cases) {
        const std::string text = c.text;
        EXPECT_EQ(text.substr(0, utf8text::BytesOfFirstChars(text, c.maxChars)), c.kept)
            << c.text << " to " << c.maxChars;
    }
}

TEST(Utf8Text, ACutDropsTheCharacterItSplits) {
    const struct {
        const char* cut;
        const char* whole;
    } cases[] = {
        {"Zug", "Zug"},
        {"Zü", "Zü"},
        {"Z\xC3", "Z"},
        {"a€", "a€"},
        {"a\xE2\x82", "a"},
        {"a\xE2", "a"},
        {"a😀", "a😀"},
        {"a\xF0\x9F\x98", "a"},
        {"a\xF0\x9F", "a"},
        {"a\xF0", "a"},
        {"", ""},
        // Nothing but continuation bytes: no character to drop.
        {"\x80\x80", "\x80\x80"},
    };
    for (const auto& c : cases) {
        const std::string cut = c.cut;
        EXPECT_EQ(cut.substr(0, utf8text::BytesOfWholeChars(cut)), c.whole) << c.cut;
    }
}

}  // namespace
