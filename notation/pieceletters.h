// English and German piece letters and their piece codes.
#pragma once

#include <cstdint>

char EnglishToGerman(char c);
char GermanToEnglish(char c);
// Piece code of a letter, case folded; 0x80 added for characters above 'Z'.
uint8_t EnglishLetterCode(char c);
uint8_t GermanLetterCode(char c);
