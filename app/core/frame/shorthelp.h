// The short help shown by "&Kurzhilfe...": sixteen lines of fixed width.
#pragma once

class CShortHelp {
public:
    static constexpr const char* kCaption = "Anleitung";
    static constexpr const char* kStatusText = "Kurz - Hilfe";
    static constexpr int kLineCount = 16;
    static constexpr int kCharCount = 1340;  // characters, not UTF-8 bytes

    // UTF-8, every line ending with a line feed.
    static const char* Text();
};
