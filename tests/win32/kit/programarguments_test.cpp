#include "app/win32/kit/programarguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ProgramArguments, SplitAsTheRuntimeDoesWithoutTheProgramsName) {
    const struct {
        const wchar_t* line;
        std::vector<std::string> args;
    } cases[] = {
        {L"prog.exe", {}},
        {L"prog.exe /p C:\\a.pgn", {"/p", "C:\\a.pgn"}},
        {L"\"C:\\Program Files\\prog.exe\" \"C:\\Meine Spiele\\\u00dcbung.pgn\"",
         {"C:\\Meine Spiele\\\xC3\x9C" "bung.pgn"}},
        {L"prog.exe a\\\"b \"c d\"e", {"a\"b", "c de"}},
    };
    for (const auto& c : cases) EXPECT_EQ(CProgramArguments::Split(c.line), c.args);
}
