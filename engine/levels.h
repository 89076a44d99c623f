// The playing levels as the thinking driver sees them: how long it may think
// and how many iterations it runs after the first. Which control stands for
// which level, and what the user reads, is the dialogs' and the view's.
#pragma once

#include <cstdint>

struct PlayingLevel {
    int seconds;
    int iterations;  // iterations after the first, i.e. the greatest depth
};

// The playing level the thinking commands are asked for, by its number;
// kNone where no level is chosen. The settings dialog and the command-line
// tool each map their own choices to it.
enum class EngineLevel : uint8_t { kNone = 0, kLevel1 = 1, kLevel2, kLevel3, kLevel4 };

// Levels 1 to 4, in order.
constexpr PlayingLevel kPlayingLevels[] = {{1, 1}, {1, 2}, {1, 12}, {2, 25}};
constexpr int kLevelCount = static_cast<int>(sizeof kPlayingLevels / sizeof kPlayingLevels[0]);

// Any other level plays like this; a suggestion always uses its own.
constexpr PlayingLevel kUnknownLevel = {1, 1};
constexpr PlayingLevel kSuggestionLimits = {1, 3};

constexpr int LevelNumber(EngineLevel level) { return static_cast<int>(level); }
// The level of number 1 to kLevelCount; kNone for any other number.
constexpr EngineLevel LevelOfNumber(int number) {
    return number >= 1 && number <= kLevelCount ? static_cast<EngineLevel>(number) : EngineLevel::kNone;
}

// The limits of level 1 to kLevelCount; kUnknownLevel for any other.
constexpr const PlayingLevel& LevelLimits(EngineLevel level) {
    const int number = LevelNumber(level);
    return number >= 1 && number <= kLevelCount ? kPlayingLevels[number - 1] : kUnknownLevel;
}
