#include "app/core/document/latin1text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Latin1Case {
    const char* label;
    std::string bytes;
    std::string utf8;
};

TEST(Latin1Text, Utf8StaysAndOtherBytesAreLatin1Letters) {
    const Latin1Case cases[] = {
        {"plain text", "[Event \"Blitz\"]\r\n1.e4 e5 *", "[Event \"Blitz\"]\r\n1.e4 e5 *"},
        {"Latin-1 umlauts", "[Site \"M\xFC" "nchen \xE4\xF6\xFC\"]", "[Site \"M\xC3\xBC" "nchen \xC3\xA4\xC3\xB6\xC3\xBC\"]"},
        {"UTF-8 umlauts", "[Site \"M\xC3\xBC" "nchen\"]", "[Site \"M\xC3\xBC" "nchen\"]"},
        {"both in one text", "\xC3\xA4 \xE4", "\xC3\xA4 \xC3\xA4"},
        {"UTF-8 of three and four bytes", "\xE2\x82\xAC \xF0\x9F\x98\x80", "\xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"the highest letters", "\x80\xA0\xFF", "\xC2\x80\xC2\xA0\xC3\xBF"},
        {"a sequence cut short at the end", "e4 \xC3", "e4 \xC3\x83"},
        {"a sequence cut short by a blank", "\xE2\x82 ", "\xC3\xA2\xC2\x82 "},
        {"an overlong slash", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"a surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
        {"the last code point", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
        {"nothing", "", ""},
    };
    for (const Latin1Case& c : cases) EXPECT_EQ(CLatin1Text::ToUtf8(c.bytes), c.utf8) << c.label;
}

TEST(Latin1Text, EveryHighByteAloneBecomesItsLetterAndStaysSoWhenConvertedAgain) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const std::string utf8 = CLatin1Text::ToUtf8(std::string(1, static_cast<char>(byte)));
        const std::string expected{static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
        EXPECT_EQ(utf8, expected) << "byte " << byte;
        EXPECT_EQ(CLatin1Text::ToUtf8(utf8), utf8) << "byte " << byte;
    }
}

}  // namespace
