#include "app/win32/oemtext.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

std::wstring ToWide(const std::string& text, UINT codePage) {
    if (text.empty()) return std::wstring();
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string FromWide(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) return std::string();
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0], length, nullptr, nullptr);
    return text;
}

}  // namespace

std::string COemText::FromUtf8(const std::string& utf8) { return FromWide(ToWide(utf8, CP_UTF8), CP_OEMCP); }

std::string COemText::ToUtf8(const std::string& oem) { return FromWide(ToWide(oem, CP_OEMCP), CP_UTF8); }
