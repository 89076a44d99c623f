#include "app/core/frame/textlocale.h"

#include <clocale>
#include <cstring>

namespace {

// Tried in turn; the first the system has counts.
constexpr const char* kGermanLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "de_AT.UTF-8", "de_CH.UTF-8", "de_DE"};
constexpr const char* kUtf8CharacterLocales[] = {"C.UTF-8", "C.utf8", "de_DE.UTF-8", "de_DE.utf8"};

}  // namespace

bool CTextLocale::UseGerman() {
    bool german = false;
    for (const char* name : kGermanLocales)
        if (std::setlocale(LC_MESSAGES, name)) {
            german = true;
            break;
        }
    // The system's messages come in the character set of LC_CTYPE: in the
    // plain C locale every umlaut of a German text turns into '?'.
    const char* ctype = std::setlocale(LC_CTYPE, nullptr);
    if (ctype && (std::strcmp(ctype, "C") == 0 || std::strcmp(ctype, "POSIX") == 0)) {
        for (const char* name : kUtf8CharacterLocales)
            if (std::setlocale(LC_CTYPE, name)) break;
    }
    return german;
}
