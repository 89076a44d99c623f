#include "notation/moveparser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/testutil.h"

namespace {

using testutil::IndexOf;
using testutil::Legal;

constexpr char kInitial[] = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
constexpr char kCastling[] = "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1";
constexpr char kPromotion[] = "3r1r2/4P3/8/8/8/8/8/4K2k w - - 0 1";
constexpr char kPawnCapture[] = "4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1";

struct ParseCase {
    const char* text;
    const char* expected;  // coordinate text of the move, or null for no match
};

void CheckParses(const char* fen, const std::vector<ParseCase>& cases) {
    const CMoveGen gen = Legal(fen);
    for (const ParseCase& c : cases) {
        const int16_t want = c.expected ? IndexOf(gen, c.expected) : -1;
        ASSERT_TRUE(c.expected == nullptr || want >= 0) << c.expected << " is not legal";
        EXPECT_EQ(ParseMove(gen, c.text), want) << "'" << c.text << "' in " << fen;
    }
}

TEST(ParseMove, AcceptsSanLongAndCoordinateForms) {
    CheckParses(kInitial, {{"e4", "e2e4"},    {"e2e4", "e2e4"},  {"e2-e4", "e2e4"},  {"Pe4", "e2e4"},
                        {"e4+", "e2e4"},   {"e2e4D", "e2e4"}, {"Nf3", "g1f3"},    {"Ngf3", "g1f3"},
                        {"Ng1f3", "g1f3"}, {"Ng1-f3", "g1f3"}, {"Nxf3", "g1f3"},  {"Nf3!", "g1f3"},
                        {"E4", nullptr},   {"e2e5", nullptr}, {"Bf3", nullptr},
                        // A small n is read as a file, a German S as no piece.
                        {"nf3", nullptr},  {"Sf3", nullptr}});
}

TEST(ParseMove, AmbiguousTextTakesTheLastMatchInTheList) {
    const CMoveGen gen = Legal("4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1");
    const int16_t fromB1 = IndexOf(gen, "b1d2");
    const int16_t fromF3 = IndexOf(gen, "f3d2");
    ASSERT_TRUE(fromB1 >= 0 && fromF3 >= 0);
    EXPECT_EQ(ParseMove(gen, "Nd2"), std::max(fromB1, fromF3));
    EXPECT_EQ(ParseMove(gen, "Nbd2"), fromB1);
    EXPECT_EQ(ParseMove(gen, "N1d2"), fromB1);
    EXPECT_EQ(ParseMove(gen, "N3d2"), fromF3);
}

TEST(ParseMove, ReadsCastlingForTheSideToMove) {
    CheckParses(kCastling, {{"O-O", "e1g1"},   {"0-0", "e1g1"},     {"O-O+", "e1g1"},
                         {"e1g1", "e1g1"},  {"O-O-O", "e1c1"},   {"0-0-0", "e1c1"},
                         {"O-O-O#", "e1c1"}, {"O-0", nullptr}});
    CheckParses("r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", {{"O-O", "e8g8"}, {"0-0-0", "e8c8"}});
    CheckParses("4k3/8/8/8/8/8/8/4K2R w K - 0 1", {{"O-O", "e1g1"}, {"O-O-O", nullptr}});
}

TEST(ParseMove, PromotionNeedsAPieceInEitherLanguage) {
    CheckParses(kPromotion, {{"e8=Q", "e7e8q"},   {"e7e8q", "e7e8q"},  {"e7e8Q", "e7e8q"},
                          {"e7e8D", "e7e8q"},  {"e7e8 ", "e7e8q"},  {"e7e8\xE9", "e7e8q"},
                          {"e8=N", "e7e8n"},   {"e7e8n", "e7e8n"},  {"e7e8S", "e7e8n"},
                          {"e7e8L", "e7e8b"},  {"e7e8t", "e7e8r"},  {"exd8=R", "e7d8r"},
                          {"ef8=B+", "e7f8b"}, {"e8", nullptr},     {"e8=D", nullptr},
                          {"e7e8", nullptr},   {"e7e8x", nullptr},  {"e7e8p", nullptr},
                          {"e7e8k", nullptr},  {"e7e8{", nullptr},  {"e8Q", nullptr}});
}

TEST(ParseMove, CaptureMarkIsOptionalAndStrayValuesMatchNothing) {
    CheckParses(kPawnCapture, {{"exd5", "e4d5"}, {"ed5", "e4d5"},   {"exd", "e4d5"},
                            {"dxe4", nullptr}, {"1-0", nullptr},  {"1/2-1/2", nullptr}});
    // The move number counts as origin rank 1.
    CheckParses(kInitial, {{"1.e4", nullptr}, {"0-1", nullptr}, {"i4", nullptr}, {"e0", nullptr},
                        {"e9", nullptr}});
}

TEST(ParseMove, TextWithoutDestinationMatchesNothing) {
    // Each of these once stood for the last legal move of its kind.
    CheckParses(kInitial, {{"xxx", nullptr}, {"x", nullptr}, {"N", nullptr}, {"P", nullptr},
                        {"Nx+", nullptr}, {"=Q", nullptr}, {"!?", nullptr},
                        // Half a destination still narrows the move down.
                        {"Nh", "g1h3"}, {"Na", "b1a3"}, {"Nc", "b1c3"}});
    CheckParses(kPromotion, {{"=N", nullptr}, {"P=Q", nullptr}, {"x=R+", nullptr}});
    CheckParses(kPawnCapture, {{"exd", "e4d5"}, {"PxP", nullptr}});
}

TEST(ParseMove, SurvivesLongAndNonAsciiText) {
    const CMoveGen gen = Legal(kInitial);
    // Bytes from 0x80 up are neither letters nor digits and are passed over.
    EXPECT_EQ(ParseMove(gen, "\xC3\xA9" "e4\xFF"), IndexOf(gen, "e2e4"));
    EXPECT_EQ(ParseMove(gen, (std::string(5000, '\xFE') + "Nc3").c_str()), IndexOf(gen, "b1c3"));
    EXPECT_EQ(ParseMove(gen, std::string(5000, 'i').c_str()), -1);

    std::string allBytes;
    for (int c = 255; c > 0; --c) allBytes += static_cast<char>(c);
    // The rightmost digit met is '0', a destination rank no square has.
    EXPECT_EQ(ParseMove(gen, allBytes.c_str()), -1);

    for (const char* text : {"", "e2e", "e9e4", "e2", static_cast<const char*>(nullptr)}) {
        EXPECT_FALSE(IsCoordinateText(text));
        EXPECT_EQ(ParseCoordinate(gen, text), -1);
    }
}

}  // namespace
