#include "app/core/frame/shorthelp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Chars(const std::string& utf8) {
    int count = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    std::string text = CShortHelp::Text();
    size_t start = 0;
    for (size_t feed; (feed = text.find('\n', start)) != std::string::npos; start = feed + 1)
        lines.push_back(text.substr(start, feed - start));
    EXPECT_EQ(start, text.size()) << "the text ends with a line feed";
    return lines;
}

size_t LeadingBlanks(const std::string& line) { return line.find_first_not_of(' '); }

}  // namespace

TEST(ShortHelpTest, HasTheFixedLengthInSixteenLines) {
    EXPECT_EQ(Chars(CShortHelp::Text()), CShortHelp::kCharCount);
    EXPECT_EQ(Lines().size(), static_cast<size_t>(CShortHelp::kLineCount));
}

TEST(ShortHelpTest, LinesHaveTheirBlanks) {
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], " Kurzanleitung: ");
    EXPECT_EQ(lines[1], " ========= ");
    EXPECT_EQ(lines[2], std::string(26, ' '));
    EXPECT_EQ(lines[3], " 1. Es gelten die üblichen Schachregeln" + std::string(24, ' '));
    EXPECT_EQ(lines[4], "     a) Roschade möglich d.h." + std::string(24, ' '));
    for (size_t i = 5; i < lines.size(); ++i) EXPECT_EQ(Chars(lines[i]), 105) << "line " << i + 1;
}

TEST(ShortHelpTest, IndentsFollowTheOutline) {
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 16u);
    struct Indent {
        size_t line;
        size_t blanks;
        const char* start;
    };
    const Indent indents[] = {
        {6, 8, "Ausnahmen: König"}, {7, 5, "b) Schlagen"}, {8, 5, "c) Bauer"},   {9, 8, "oder letzen Linie"},
        {11, 1, "2. Ziehen"},       {12, 5, "a) Klicken"}, {13, 5, "b) Auswahl"}, {15, 1, "3. Spielen mit Schwarz:"},
        {16, 6, "Asführen des ersten Zuges"},
    };
    for (const Indent& indent : indents) {
        const std::string& line = lines[indent.line - 1];
        EXPECT_EQ(LeadingBlanks(line), indent.blanks) << "line " << indent.line;
        EXPECT_EQ(line.compare(indent.blanks, std::string(indent.start).size(), indent.start), 0)
            << "line " << indent.line;
    }
    EXPECT_EQ(lines[9], std::string(105, ' '));
    EXPECT_EQ(lines[13], std::string(105, ' '));
}
