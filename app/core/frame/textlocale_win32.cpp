#include "app/core/frame/textlocale.h"

// Windows has no message locale to set: the system speaks its user's language.
bool CTextLocale::UseGerman() { return false; }
