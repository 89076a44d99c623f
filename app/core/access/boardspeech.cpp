#include "app/core/access/boardspeech.h"

#include <cstring>

#include "app/core/picture/boardgeometry.h"
#include "app/core/base/displaytext.h"
#include "game/gamefacade.h"
#include "rules/movegen.h"

namespace {

constexpr const char* kWhite = "Weiß";
constexpr const char* kBlack = "Schwarz";
constexpr const char* kListSeparator = ", ";
constexpr const char* kSideSeparator = ": ";

// A piece's name alone, its plural, and its adjective ending ("weißer
// Turm", "weiße Dame"): one row a kind, king to pawn.
struct PieceWords {
    uint8_t kind;
    const char* name;
    const char* plural;
    const char* ending;
};
constexpr PieceWords kPieceWords[] = {
    {chess::kKing, "König", "Könige", "er"},     {chess::kQueen, "Dame", "Damen", "e"},
    {chess::kRook, "Turm", "Türme", "er"},       {chess::kBishop, "Läufer", "Läufer", "er"},
    {chess::kKnight, "Springer", "Springer", "er"}, {chess::kPawn, "Bauer", "Bauern", "er"},
};
// The adjectives' stems.
constexpr const char* kWhiteStem = "weiß";
constexpr const char* kBlackStem = "schwarz";

const PieceWords* WordsOf(uint8_t code) {
    for (const PieceWords& words : kPieceWords)
        if (words.kind == chess::KindOf(code)) return &words;
    return nullptr;
}

std::string SquareText(int square) { return {chess::FileLetter(square), chess::RankDigit(square)}; }

// The squares of a screen line, as the picture shows them.
std::string LineText(const CGameFacade& facade, const char* heading, const std::string& name, bool alongRow,
                     int index, bool flipped) {
    std::string text = std::string(heading) + " " + name + kSideSeparator;
    bool any = false;
    for (int step = 0; step < CBoardGeometry::kSquares; ++step) {
        // A file is read from the player's side, the bottom of the screen, up.
        const int column = alongRow ? step : index;
        const int row = alongRow ? index : CBoardGeometry::kLastIndex - step;
        int rank = 0, file = 0;
        CBoardGeometry::ScreenToBoard(column, row, flipped, &rank, &file);
        const uint8_t code = facade.PieceAt(rank, file);
        if (code == chess::kEmpty) continue;
        if (any) text += kListSeparator;
        text += SquareText(chess::SquareOf(file, rank)) + " " + CBoardSpeech::PieceName(code);
        any = true;
    }
    return any ? text : text + CBoardSpeech::kNothingOnIt;
}

// The end of the game in the words of its result's display text, without
// the score and the braces: "Weiss setzt matt und gewinnt".
std::string EndingText(const CGameFacade& facade) {
    char result[CGameFacade::kTextSize];
    if (facade.GameOver(result) != 1) return "";
    const char* display = DisplayText(result);
    const char* open = std::strchr(display, '{');
    const char* close = open ? std::strchr(open, '}') : nullptr;
    std::string ending = open && close ? std::string(open + 1, close) : std::string(display);
    while (!ending.empty() && (ending.back() == ' ' || ending.back() == '!')) ending.pop_back();
    return ending;
}

}  // namespace

const char* CBoardSpeech::Side(bool white) { return white ? kWhite : kBlack; }

std::string CBoardSpeech::PieceName(uint8_t code) {
    const PieceWords* words = WordsOf(code);
    if (!words) return kEmptySquare;
    return std::string(chess::IsBlackPiece(code) ? kBlackStem : kWhiteStem) + words->ending + " " + words->name;
}

std::string CBoardSpeech::Square(const CGameFacade& facade, int column, int row, bool flipped, bool picked) {
    int rank = 0, file = 0;
    CBoardGeometry::ScreenToBoard(column, row, flipped, &rank, &file);
    std::string text = SquareText(chess::SquareOf(file, rank)) + kListSeparator + PieceName(facade.PieceAt(rank, file));
    if (picked) text += std::string(kListSeparator) + kPicked;
    return text;
}

std::string CBoardSpeech::Board(const CGameFacade& facade) {
    return std::string(kBoardName) + kListSeparator + Side(facade.GetGame()->Current()->IsWhiteToMove()) + " " +
           kToMove;
}

std::string CBoardSpeech::Move(const CGameFacade& facade, int ply) {
    const CGame& game = *facade.GetGame();
    const CMoveGen* before = game.Position(ply - 1);
    const CMoveGen* after = game.Position(ply);
    if (!before || !after) return "";
    const int from = after->m_lastFrom, to = after->m_lastTo;
    const uint8_t mover = before->m_board[from];
    const PieceWords* words = WordsOf(mover);
    if (!words) return "";
    std::string text = std::string(Side(!chess::IsBlackPiece(mover))) + kSideSeparator;
    const int fileStep = chess::FileOf(to) - chess::FileOf(from);
    const bool enPassant = before->IsEnPassant(::Move{static_cast<uint8_t>(from), static_cast<uint8_t>(to), 0, 0});
    if (chess::KindOf(mover) == chess::kKing && (fileStep == 2 || fileStep == -2)) {
        text += fileStep > 0 ? kShortCastling : kLongCastling;
    } else {
        text += std::string(words->name) + " " + SquareText(from) + " ";
        const uint8_t taken = before->m_board[to];
        if (enPassant) {
            text += std::string(kTakes) + " " + SquareText(to) + " " + kEnPassant;
        } else if (taken != chess::kEmpty) {
            const PieceWords* takenWords = WordsOf(taken);
            text += std::string(kTakes) + " " + (takenWords ? takenWords->name : "") + " " + SquareText(to);
        } else {
            text += std::string(kMoveTo) + " " + SquareText(to);
        }
        if (chess::KindOf(after->m_lastPiece) != chess::KindOf(mover))
            text += std::string(kListSeparator) + kBecomes + " " + WordsOf(after->m_lastPiece)->name;
    }
    // The end of the game belongs to the last move only.
    const std::string ending = ply == game.GetPly() ? EndingText(facade) : "";
    if (!ending.empty())
        text += std::string(kSentenceEnd) + kGameOver + kSideSeparator + ending;
    else if (after->InCheck())
        text += std::string(kListSeparator) + kCheck;
    return text;
}

std::string CBoardSpeech::LastMove(const CGameFacade& facade) {
    const int ply = facade.GetGame()->GetPly();
    std::string text = ply > 0 ? Move(facade, ply) : kNoMoveYet;
    if (!EndingText(facade).empty()) return text;
    return text + kSentenceEnd + Side(facade.GetGame()->Current()->IsWhiteToMove()) + " " + kToMove;
}

std::string CBoardSpeech::Pieces(const CGameFacade& facade) {
    std::string text;
    for (const bool white : {true, false}) {
        if (!text.empty()) text += kSentenceEnd;
        text += std::string(Side(white)) + kSideSeparator;
        bool anyKind = false;
        for (const PieceWords& words : kPieceWords) {
            std::string squares;
            int count = 0;
            for (int square = 0; square < chess::kSquares; ++square) {
                const uint8_t code = facade.PieceAt(chess::RankOf(square), chess::FileOf(square));
                if (code == chess::kEmpty || chess::KindOf(code) != words.kind || chess::IsBlackPiece(code) == white)
                    continue;
                squares += " " + SquareText(square);
                ++count;
            }
            if (count == 0) continue;
            if (anyKind) text += kListSeparator;
            text += (count > 1 ? words.plural : words.name) + squares;
            anyKind = true;
        }
        if (!anyKind) text += kNoPieces;
    }
    return text;
}

std::string CBoardSpeech::Rank(const CGameFacade& facade, int row, bool flipped) {
    int rank = 0, file = 0;
    CBoardGeometry::ScreenToBoard(0, row, flipped, &rank, &file);
    return LineText(facade, kRank, std::string(1, static_cast<char>('1' + rank)), true, row, flipped);
}

std::string CBoardSpeech::File(const CGameFacade& facade, int column, bool flipped) {
    int rank = 0, file = 0;
    CBoardGeometry::ScreenToBoard(column, 0, flipped, &rank, &file);
    return LineText(facade, kFile, std::string(1, static_cast<char>('a' + file)), false, column, flipped);
}

std::string CBoardSpeech::Game(const CGameFacade& facade) {
    const CGame& game = *facade.GetGame();
    const int plies = game.GetPly();
    if (plies == 0) return kNoMoveYet;
    const int first = plies > kGameReadPlies ? plies - kGameReadPlies + 1 : 1;
    std::string text;
    if (first > 1)
        text = std::to_string(first - 1) + " " + (first - 1 == 1 ? kEarlierPly : kEarlierPlies) + kSentenceEnd;
    for (int ply = first; ply <= plies; ++ply) {
        const CMoveGen& before = *game.Position(ply - 1);
        if (ply > first) text += kSentenceEnd;
        // White's moves and the first one read carry the move number.
        if (before.IsWhiteToMove() || ply == first)
            text += std::string(kMoveNumber) + " " + std::to_string(before.FullMoveNumber()) + kListSeparator;
        text += Move(facade, ply);
    }
    return text;
}

std::string CBoardSpeech::Turned(bool flipped) {
    return std::string(kBoardTurned) + kListSeparator + Side(!flipped) + " " + kAtBottom;
}

std::string CBoardSpeech::BoardAgain(const CGameFacade& facade) {
    return std::string(kBoardShown) + kSentenceEnd + Board(facade);
}

std::string CBoardSpeech::Status(const CGameFacade& facade) {
    const CMoveGen& current = *facade.GetGame()->Current();
    std::string text = std::string(kMoveNumber) + " " + std::to_string(current.FullMoveNumber()) + kListSeparator;
    const std::string ending = EndingText(facade);
    if (!ending.empty()) return text + kGameOver + kSideSeparator + ending;
    text += std::string(Side(current.IsWhiteToMove())) + " " + kToMove;
    if (current.InCheck()) text += std::string(kListSeparator) + kCheck;
    return text;
}
