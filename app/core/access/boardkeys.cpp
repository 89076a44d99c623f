#include "app/core/access/boardkeys.h"

namespace {

struct KeyRow {
    int key;
    CBoardKeys::Action action;
};
// Letters of the German words: Zug, Figuren, Reihe, Linie, Spielstand, Partie, Hilfe.
constexpr KeyRow kKeys[] = {
    {CBoardKeys::kUp, CBoardKeys::kCursorUp},       {CBoardKeys::kDown, CBoardKeys::kCursorDown},
    {CBoardKeys::kLeft, CBoardKeys::kCursorLeft},   {CBoardKeys::kRight, CBoardKeys::kCursorRight},
    {CBoardKeys::kEnter, CBoardKeys::kChoose},      {CBoardKeys::kSpace, CBoardKeys::kChoose},
    {CBoardKeys::kEscape, CBoardKeys::kDrop},       {'Z', CBoardKeys::kReadLastMove},
    {'F', CBoardKeys::kReadPieces},                 {'R', CBoardKeys::kReadRank},
    {'L', CBoardKeys::kReadFile},                   {'S', CBoardKeys::kReadStatus},
    {'P', CBoardKeys::kReadGame},                   {'H', CBoardKeys::kReadHelp},
    {CBoardKeys::kF1, CBoardKeys::kReadHelp},
};

// The help's lines, in the order a player needs them.
constexpr const char* kHelpLines[] = {
    "Pfeiltasten: Feld wählen",
    "Eingabe oder Leertaste: Figur nehmen, dann Zielfeld",
    "Escape: Auswahl aufheben",
    "Z: letzter Zug",
    "F: alle Figuren",
    "R: Reihe",
    "L: Linie",
    "S: Spielstand",
    "P: die Züge der Partie",
    "In der Notation: Pfeil auf und ab, Pos1 und Ende lesen die Zeilen",
    "F2: Zug eingeben, F3: mögliche Züge, F8: Computer zieht",
    "H oder F1: diese Hilfe",
};

}  // namespace

CBoardKeys::Action CBoardKeys::ActionFor(int key) {
    for (const KeyRow& row : kKeys)
        if (row.key == key) return row.action;
    return kNoAction;
}

std::string CBoardKeys::HelpText() {
    std::string text;
    for (const char* line : kHelpLines) {
        if (!text.empty()) text += ". ";
        text += line;
    }
    return text;
}
