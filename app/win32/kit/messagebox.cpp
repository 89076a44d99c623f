#include "app/win32/kit/messagebox.h"

#include "app/win32/kit/widetext.h"

int CMessageBox::s_showing = 0;

int CMessageBox::Show(HWND owner, const char* text, const char* caption, UINT type) {
    ++s_showing;
    const int answer = MessageBoxW(owner, CWideText::Wide(text).c_str(), CWideText::Wide(caption).c_str(), type);
    --s_showing;
    return answer;
}
