#include "app/win32/kit/oemtext.h"

#include "app/win32/kit/widetext.h"

std::string COemText::FromUtf8(const std::string& utf8) {
    return CWideText::ToCodePage(CWideText::Wide(utf8), CP_OEMCP);
}

std::string COemText::ToUtf8(const std::string& oem) {
    return CWideText::Utf8(CWideText::FromCodePage(oem, CP_OEMCP));
}
