#include "app/win32/kit/editbox.h"

#include "app/win32/kit/widetext.h"

std::string CEditBox::Text(HWND edit) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, &text[0], static_cast<int>(text.size()))));
    return CWideText::Utf8(text);
}

void CEditBox::Clear(HWND edit) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, WM_CLEAR, 0, 0);
}
