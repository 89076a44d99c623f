// What a screen reader hears of the board, in German: each square, the
// board's name, each move as it is played and the read-outs of the board's
// keys. Squares are screen squares, as the user meets them.
#pragma once

#include <cstdint>
#include <string>

class CGameFacade;

class CBoardSpeech {
public:
    static constexpr const char* kBoardName = "Schachbrett";
    static constexpr const char* kEmptySquare = "leer";
    static constexpr const char* kPicked = "ausgewählt";
    static constexpr const char* kToMove = "am Zug";
    static constexpr const char* kMoveTo = "nach";
    static constexpr const char* kTakes = "schlägt";
    static constexpr const char* kCheck = "Schach";
    static constexpr const char* kShortCastling = "kurze Rochade";
    static constexpr const char* kLongCastling = "lange Rochade";
    static constexpr const char* kEnPassant = "en passant";
    static constexpr const char* kBecomes = "wird";
    static constexpr const char* kGameOver = "Spielende";
    static constexpr const char* kNoMoveYet = "Noch kein Zug";
    static constexpr const char* kRank = "Reihe";
    static constexpr const char* kFile = "Linie";
    static constexpr const char* kNothingOnIt = "leer";
    static constexpr const char* kMoveNumber = "Zug";
    static constexpr const char* kNoPieces = "keine Figuren";
    static constexpr const char* kSentenceEnd = ". ";
    // What the view's commands did.
    static constexpr const char* kBoardTurned = "Brett gedreht";
    static constexpr const char* kAtBottom = "unten";
    static constexpr const char* kPickDropped = "Auswahl aufgehoben";
    static constexpr const char* kNoMovePlayed = "Kein Zug gespielt";
    static constexpr const char* kNotationName = "Partienotation";
    static constexpr const char* kNotationShown = "Notation angezeigt";
    static constexpr const char* kBoardShown = "Brett angezeigt";
    // The game's moves read out: the last ones, after the count of the rest.
    static constexpr int kGameReadPlies = 10;
    static constexpr const char* kEarlierPly = "früherer Halbzug";
    static constexpr const char* kEarlierPlies = "frühere Halbzüge";

    // "e4, weißer Bauer", "e4, leer", with ", ausgewählt" for the picked square.
    static std::string Square(const CGameFacade& facade, int column, int row, bool flipped, bool picked);
    // "Schachbrett, Weiß am Zug".
    static std::string Board(const CGameFacade& facade);
    // The half-move that led to the position at `ply` (from 1): "Schwarz:
    // Springer g8 nach f6", "Weiß: Läufer c4 schlägt Bauer f7, Schach",
    // "Weiß: kurze Rochade", and the end of the game after the last move.
    static std::string Move(const CGameFacade& facade, int ply);
    // The last move and whose move it is.
    static std::string LastMove(const CGameFacade& facade);
    // "Weiß: König g1, Dame d1, Türme a1 f1, …. Schwarz: …", king to pawns.
    static std::string Pieces(const CGameFacade& facade);
    // The pieces of the cursor's rank from the player's left to right, and
    // of its file from the player's side to the far one.
    static std::string Rank(const CGameFacade& facade, int row, bool flipped);
    static std::string File(const CGameFacade& facade, int column, bool flipped);
    // The move number, whose move, check or the end of the game.
    static std::string Status(const CGameFacade& facade);
    // The game's moves, with their move numbers: "Zug 1, Weiß: Bauer e2 nach
    // e4. Schwarz: …"; of a longer game the last kGameReadPlies, after
    // "12 frühere Halbzüge".
    static std::string Game(const CGameFacade& facade);
    // "Brett gedreht, Schwarz unten".
    static std::string Turned(bool flipped);
    // The board back instead of the notation: "Brett angezeigt. Schachbrett, Weiß am Zug".
    static std::string BoardAgain(const CGameFacade& facade);

    // "weißer Bauer", "schwarze Dame": a piece on a square.
    static std::string PieceName(uint8_t code);
    static const char* Side(bool white);
};
