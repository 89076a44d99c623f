#include "app/core/base/displaytext.h"

#include <gtest/gtest.h>

TEST(DisplayTextTest, TranslatesInternalTextsAndDrawPrefixes) {
    const struct {
        const char* internal;
        const char* display;
    } cases[] = {
        {"chess !", "Schach !"},
        {"It's white turn", "Weiss ist am Zug"},
        {"It's black turn", "Schwarz ist am Zug"},
        {"0-1 {Black mates}", "0-1 {Schwarz setzt matt und gewinnt}"},
        {"1-0 {White mates}", "1-0 {Weiss setzt matt und gewinnt}"},
        {"1/2-1/2 {Stalemate}", "1/2-1/2 {Patt !}"},
        {"1/2-1/2 {Too many moves --> 50 move rule}", "1/2-1/2 {Zu viele Züge --> 50 Züge Regel}"},
        {"1/2-1/2 {Draw by insufficient material}", "1/2-1/2 {Unentschieden aufgrund zuwenig Material}"},
        {"1/2-1/2 {Draw by repetition}", "1/2-1/2 {Unentschieden aufgrund Zugwiederholung}"},
        {"1/2-1/2 {Draw by 50 move rule}", "1/2-1/2 {Unentschieden aufgrund 50 Züge Regel}"},
        {"1/2-1/2", "1/2-1/2 {Unentschieden}"},
        // Only the leading 16 or 20 characters of the draw texts are compared.
        {"1/2-1/2 {Too manX", "1/2-1/2 {Zu viele Züge --> 50 Züge Regel}"},
        {"1/2-1/2 {Draw by insX", "1/2-1/2 {Unentschieden aufgrund zuwenig Material}"},
        {"1/2-1/2 {Draw by rep", "1/2-1/2 {Unentschieden aufgrund Zugwiederholung}"},
        {"1/2-1/2 {Draw by 50 ", "1/2-1/2 {Unentschieden aufgrund 50 Züge Regel}"},
        {"1/2-1/2 {Too maX", "1/2-1/2 {Unentschieden}"},
        {"1/2-1/2 {Draw by reX", "1/2-1/2 {Unentschieden}"},
        {"1/2-1/2 {Draw by agreement}", "1/2-1/2 {Unentschieden}"},
        {"1/2-1/2 {Stalemate} ", "1/2-1/2 {Unentschieden}"},
    };
    for (const auto& c : cases) EXPECT_STREQ(DisplayText(c.internal), c.display) << c.internal;
}

TEST(DisplayTextTest, OtherTextsComeBackUnchanged) {
    const char* texts[] = {"*", "1-0", "0-1", "", "Chess !", "chess ! ", "0-1 {Black mates", "Ungültiger Zug: e2e5"};
    for (const char* text : texts) EXPECT_EQ(DisplayText(text), text) << text;
}
