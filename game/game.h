// The game being played: every position so far, the repetition table and
// the fifty-move count, with the drawing rules.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "rules/movegen.h"

class CGame {
public:
    static constexpr int kMaxPositions = 5602;
    static constexpr int kTextSize = 100;

    // Internal English end-of-game texts; the record and the view's translation use them.
    static constexpr const char* kTooManyMovesText = "1/2-1/2 {Too many moves --> 50 move rule}";
    static constexpr const char* kRepetitionText = "1/2-1/2 {Draw by repetition}";
    static constexpr const char* kInsufficientText = "1/2-1/2 {Draw by insufficient material}";
    static constexpr const char* kFiftyMoveText = "1/2-1/2 {Draw by 50 move rule}";
    static constexpr const char* kUnfinishedText = "*";

    CGame();
    // A game that starts from a set-up position; fiftyCount is the FEN half-move clock.
    explicit CGame(const CPosition& start, int fiftyCount = 0);
    ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    int GetPly() const { return m_ply; }
    CMoveGen* Current() const { return m_positions[m_ply]; }
    // The position after ply half-moves, or null when there is none.
    CMoveGen* Position(int ply) const;
    // True while another position can be stored.
    bool HasRoom() const { return m_ply + 1 < kMaxPositions; }
    // Plays the legal move at index; null (and nothing stored) when the history is full.
    CMoveGen* MakeMove(int16_t index);
    const char* MoveText(int ply, char* out) const;
    int DrawCheck(char* out) const;
    char* ResultLong(char* out) const;
    char* Result(char* out) const;

    int RepetitionCount(const char* positionText) const;
    int FiftyCount() const { return m_fiftyCount; }

private:
    static std::string RepetitionKey(const char* positionText);
    static bool InsufficientMaterial(const char* positionText);
    void Increment(const char* positionText);

    int m_ply;
    CMoveGen* m_positions[kMaxPositions];
    std::map<std::string, int> m_repetitions;
    int m_fiftyCount;
};
