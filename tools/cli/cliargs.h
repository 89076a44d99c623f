// What the torvo-cli commands share: the usage text, argument errors and the
// start position from --fen.
#pragma once

#include <cstdint>
#include <string>

#include "engine/levels.h"

class CMoveGen;

namespace cli {

constexpr int kUsageError = 2;

extern const char* const kUsage;

// Prints the message and the usage on standard error; returns kUsageError.
int UsageError(const std::string& message);

struct Options {
    std::string fen;
    bool haveFen = false;
    bool divide = false;
};

// Reads --fen and --divide from argv[first..]; returns an error text or "".
std::string ReadOptions(int argc, char** argv, int first, bool allowDivide, Options* options);

// Sets up the start position with its legal list; returns an error text or "".
std::string StartPosition(const Options& options, CMoveGen* start, int* halfMoves);

// Reads a whole number from low to high; false when the text is anything else.
bool ReadNumber(const char* text, int64_t low, int64_t high, int64_t* value);

// A playing level by its number, 1 to 4, or by the settings dialog's control
// for it, 1013 to 1016 (as earlier versions took it); false for anything else.
bool ReadLevel(const char* text, EngineLevel* level);
extern const char* const kLevelChoices;

}  // namespace cli
