#include "app/win32/kit/listbox.h"

#include "app/win32/kit/widetext.h"

void CListBox::Fill(HWND list, const std::vector<std::string>& texts) {
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < texts.size(); ++i) {
        const LRESULT line =
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CWideText::Wide(texts[i]).c_str()));
        if (line >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(line), static_cast<LPARAM>(i));
    }
}

int CListBox::SelectedIndex(HWND list) {
    const LRESULT line = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (line == LB_ERR) return kNone;
    return static_cast<int>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(line), 0));
}
