// The playing levels: the settings dialog's button ids, their texts and the
// limits each hands to the thinking driver.
#pragma once

#include <cstdint>

struct PlayingLevel {
    uint16_t id;
    const char* text;
    int seconds;
    int iterations;  // iterations after the first, i.e. the greatest depth
};

constexpr uint16_t kLevel1 = 1013, kLevel2 = 1014, kLevel3 = 1015, kLevel4 = 1016;
constexpr uint16_t kDefaultLevel = kLevel3;

constexpr PlayingLevel kPlayingLevels[] = {
    {kLevel1, "Level 1 (Schäfer)", 1, 1},
    {kLevel2, "Level 2 (Beginner)", 1, 2},
    {kLevel3, "Level 3 (Club Spieler)", 1, 12},
    {kLevel4, "Level 4 (Meister)", 2, 25},
};

// Any other level value plays like this; a suggestion always uses its own.
constexpr PlayingLevel kUnknownLevel = {0, "", 1, 1};
constexpr PlayingLevel kSuggestionLimits = {0, "", 1, 3};

constexpr const PlayingLevel& LevelLimits(uint16_t id) {
    for (const PlayingLevel& level : kPlayingLevels)
        if (level.id == id) return level;
    return kUnknownLevel;
}
