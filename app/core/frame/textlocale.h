// The C library's locale for the program's texts: German messages from the
// system (the toolkit's dialogs, error texts) whatever the user's language,
// in a character set that holds umlauts.
#pragma once

class CTextLocale {
public:
    // Sets LC_MESSAGES to a German locale the system has, and, where LC_CTYPE
    // is the plain C locale, LC_CTYPE to a UTF-8 one. False when the system
    // has no German locale.
    static bool UseGerman();
};
