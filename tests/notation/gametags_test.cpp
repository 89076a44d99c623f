#include "notation/gametags.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines AllLines(CGameTags& tags) {
    Lines lines;
    for (const char* line = tags.First(); line != nullptr; line = tags.Next()) lines.push_back(line);
    return lines;
}

std::string DateLine() {
    char date[28];
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y.%m.%d", std::localtime(&now));
    return std::string("[Date \"") + date + "\"]";
}

TEST(GameTags, DefaultsAppendTheSevenTagRosterWithTodaysDate) {
    CGameTags tags;
    tags.Add("Annotator", "x");
    const std::string dateBefore = DateLine();
    tags.SetDefaults();
    const std::string dateAfter = DateLine();

    Lines lines = AllLines(tags);
    ASSERT_EQ(lines.size(), 8u);
    // Tolerates the test running across midnight.
    EXPECT_TRUE(lines[3] == dateBefore || lines[3] == dateAfter) << lines[3];
    lines[3] = dateBefore;
    EXPECT_EQ(lines, (Lines{"[Annotator \"x\"]", "[Event \"Torvo Computer Game\"]", "[Site \"?\"]",
                            dateBefore, "[Round \"-\"]", "[White \"?\"]", "[Black \"?\"]",
                            "[Result \"*\"]"}));
    EXPECT_EQ(tags.Next(), nullptr);
}

TEST(GameTags, SetNeverAddsALine) {
    CGameTags tags;
    tags.Set("Result", "1-0");
    EXPECT_EQ(tags.First(), nullptr);
    tags.Add("Event", "e");
    tags.Set("Result", "1-0");
    EXPECT_EQ(AllLines(tags), Lines{"[Event \"e\"]"});
}

TEST(GameTags, SetReplacesEveryLineWithTheSameFirstFiveCharacters) {
    CGameTags tags;
    tags.Add("Result", "*");
    tags.Add("Event", "e");
    tags.Add("Resume", "r");
    tags.Add("Res", "short");
    tags.Set("Result", "1/2-1/2");
    EXPECT_EQ(AllLines(tags), (Lines{"[Result \"1/2-1/2\"]", "[Event \"e\"]",
                                     "[Result \"1/2-1/2\"]", "[Res \"short\"]"}));
}

TEST(GameTags, ValuesAreNotEscapedAndLongLinesAreCutToTheBuffer) {
    CGameTags tags;
    tags.Add("Site", "a \"b\" \\c");
    const std::string longValue(500, 'v');
    tags.Add("Event", longValue.c_str());
    tags.Set("Event", longValue.c_str());

    const Lines lines = AllLines(tags);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "[Site \"a \"b\" \\c\"]");
    EXPECT_EQ(lines[1], "[Event \"" + std::string(CGameTags::kLineSize - 9, 'v'));
}

TEST(GameTags, FirstRestartsTheWalkAndNextStaysNullAtTheEnd) {
    CGameTags tags;
    tags.Add("Event", "e");
    EXPECT_STREQ(tags.First(), "[Event \"e\"]");
    EXPECT_EQ(tags.Next(), nullptr);
    EXPECT_EQ(tags.Next(), nullptr);
    EXPECT_STREQ(tags.First(), "[Event \"e\"]");
}

}  // namespace
