// The playing levels as the thinking driver sees them: how long it may think
// and how many iterations it runs after the first. Which control stands for
// which level, and what the user reads, is the dialogs' and the view's.
#pragma once

struct PlayingLevel {
    int seconds;
    int iterations;  // iterations after the first, i.e. the greatest depth
};

// Levels 1 to 4, in order.
constexpr PlayingLevel kPlayingLevels[] = {{1, 1}, {1, 2}, {1, 12}, {2, 25}};
constexpr int kLevelCount = static_cast<int>(sizeof kPlayingLevels / sizeof kPlayingLevels[0]);

// Any other level plays like this; a suggestion always uses its own.
constexpr PlayingLevel kUnknownLevel = {1, 1};
constexpr PlayingLevel kSuggestionLimits = {1, 3};

// The limits of level 1 to kLevelCount; kUnknownLevel for any other number.
constexpr const PlayingLevel& LevelLimits(int level) {
    return level >= 1 && level <= kLevelCount ? kPlayingLevels[level - 1] : kUnknownLevel;
}
