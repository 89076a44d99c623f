#include "app/win32/kit/clipboard.h"

#include <cstring>

#include "app/win32/kit/oemtext.h"

namespace {

// Another program may hold the clipboard for a moment.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 20;

bool Open(HWND owner) {
    for (int i = 0; i < kOpenAttempts; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(kOpenRetryMs);
    }
    return false;
}

}  // namespace

bool CClipboard::PutText(HWND owner, const std::string& utf8) {
    const std::string oem = COemText::FromUtf8(utf8);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, oem.size() + 1);
    if (!memory) return false;
    void* bytes = GlobalLock(memory);
    if (!bytes) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(bytes, oem.c_str(), oem.size() + 1);
    GlobalUnlock(memory);
    if (!Open(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    // Once set, the memory is the clipboard's.
    const bool done = SetClipboardData(CF_OEMTEXT, memory) != nullptr;
    if (!done) GlobalFree(memory);
    CloseClipboard();
    return done;
}

bool CClipboard::GetText(HWND owner, std::string* utf8) {
    if (!IsClipboardFormatAvailable(CF_OEMTEXT) || !Open(owner)) return false;
    bool done = false;
    if (HANDLE memory = GetClipboardData(CF_OEMTEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(memory))) {
            // The text ends at its terminator or at the end of its block, whichever comes first.
            const size_t size = GlobalSize(memory);
            *utf8 = COemText::ToUtf8(std::string(bytes, strnlen(bytes, size)));
            GlobalUnlock(memory);
            done = true;
        }
    }
    CloseClipboard();
    return done;
}
