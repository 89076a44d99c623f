#include "app/core/frame/shorthelp.h"

#include <string>

#include "rules/utf8text.h"

namespace {

// How a line is filled out with blanks.
enum class Padding {
    kOneBlank,    // one blank after the text
    kBlankLine,   // blanks only
    kTrailing24,  // 24 blanks after the text
    kWidth105,    // blanks up to 105 characters
};

struct HelpLine {
    int leadingBlanks;
    const char* text;
    Padding padding;
};

constexpr int kBlankLineWidth = 26;
constexpr int kTrailingBlanks = 24;
constexpr int kPaddedWidth = 105;

constexpr HelpLine kLines[] = {
    {1, "Kurzanleitung:", Padding::kOneBlank},
    {1, "=========", Padding::kOneBlank},
    {0, "", Padding::kBlankLine},
    {1, "1. Es gelten die üblichen Schachregeln", Padding::kTrailing24},
    {5, "a) Roschade möglich d.h.", Padding::kTrailing24},
    {8, "Ausnahmen: König oder Turm hat bereits gezogen oder König steht im Schach", Padding::kWidth105},
    {5, "b) Schlagen der Bauern en Passent möglich", Padding::kWidth105},
    {5, "c) Bauer wird automatisch in eine Dame gewandelt beim Erreichen der ersten", Padding::kWidth105},
    {8, "oder letzen Linie", Padding::kWidth105},
    {0, "", Padding::kWidth105},
    {1, "2. Ziehen der Figuren:", Padding::kWidth105},
    {5, "a) Klicken mit der Maus auf die Figur und erneuetes Klicken auf Zielfeld", Padding::kWidth105},
    {5, "b) Auswahl eines möglichen Zuges mit Funktionstaste F3", Padding::kWidth105},
    {0, "", Padding::kWidth105},
    {1, "3. Spielen mit Schwarz:", Padding::kWidth105},
    {6, "Asführen des ersten Zuges mit Funktionstaste F8 und Brett drehen mit F7", Padding::kWidth105},
};
static_assert(sizeof kLines / sizeof kLines[0] == CShortHelp::kLineCount, "sixteen lines");

std::string Build() {
    std::string text;
    for (const HelpLine& line : kLines) {
        std::string row(static_cast<size_t>(line.leadingBlanks), ' ');
        row += line.text;
        switch (line.padding) {
            case Padding::kOneBlank: row += ' '; break;
            case Padding::kBlankLine: row.assign(kBlankLineWidth, ' '); break;
            case Padding::kTrailing24: row.append(kTrailingBlanks, ' '); break;
            case Padding::kWidth105: row.append(kPaddedWidth - utf8text::CharCount(row), ' '); break;
        }
        text += row;
        text += '\n';
    }
    return text;
}

}  // namespace

const char* CShortHelp::Text() {
    static const std::string text = Build();
    return text.c_str();
}
