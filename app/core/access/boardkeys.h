// The board's own keys, which the menus' keys leave free: the cursor, the
// choice of its square and the read-outs. A shell hands over a key pressed
// without Ctrl or Alt as a Key: a letter as its capital, the others named.
#pragma once

#include <string>

class CBoardKeys {
public:
    enum Key {
        kNoKey = 0,
        kUp = 0x100,
        kDown,
        kLeft,
        kRight,
        kEnter,
        kSpace,
        kEscape,
        kF1,
        kHome,
        kEnd,
    };
    enum Action {
        kNoAction,
        kCursorUp,
        kCursorDown,
        kCursorLeft,
        kCursorRight,
        kChoose,      // as a left click on the cursor's square
        kDrop,        // drop the pick
        kReadLastMove,
        kReadPieces,
        kReadRank,
        kReadFile,
        kReadStatus,
        kReadGame,
        kReadHelp,
    };
    static constexpr const char* kHelpHint = "Taste H: Hilfe";

    static Action ActionFor(int key);
    // The spoken help: every key and what it does, briefly.
    static std::string HelpText();
};
