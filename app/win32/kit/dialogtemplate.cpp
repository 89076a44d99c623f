#include "app/win32/kit/dialogtemplate.h"

#include <string>

#include "app/win32/kit/widetext.h"

CDialogTemplate::CDialogTemplate(const DialogLayout& layout) {
    AddDword(kDialogStyle);
    AddDword(0);  // extended style
    AddWord(static_cast<WORD>(layout.count));
    AddWord(0);  // x and y: the dialog is centred when it opens
    AddWord(0);
    AddWord(static_cast<WORD>(layout.width));
    AddWord(static_cast<WORD>(layout.height));
    AddWord(0);  // no menu
    AddWord(0);  // the system's dialog class
    AddText(layout.caption);
    AddWord(static_cast<WORD>(DialogLayout::kFontPoints));
    AddText(DialogLayout::kFontName);

    for (int i = 0; i < layout.count; ++i) {
        const DialogControl& control = layout.controls[i];
        AlignToDword();
        AddDword(StyleOf(control.kind, layout.StartsGroup(i)));
        AddDword(0);
        AddWord(static_cast<WORD>(control.left));
        AddWord(static_cast<WORD>(control.top));
        AddWord(static_cast<WORD>(control.width));
        AddWord(static_cast<WORD>(control.height));
        AddWord(static_cast<WORD>(control.id));  // the static id -1 becomes 0xFFFF
        AddWord(0xFFFF);                         // an ordinal class follows
        AddWord(ClassOf(control.kind));
        // A picture's or icon's text names what it shows; the dialog puts it in.
        const bool shows = control.kind == ControlKind::kPicture || control.kind == ControlKind::kIcon;
        AddText(shows ? "" : control.text);
        AddWord(0);  // no creation data
    }
}

WORD CDialogTemplate::ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::kCheckBox:
        case ControlKind::kPushButton:
        case ControlKind::kDefaultPushButton:
        case ControlKind::kRadioButton:
        case ControlKind::kGroupBox:
            return kButtonClass;
        case ControlKind::kEdit:
            return kEditClass;
        case ControlKind::kListBox:
            return kListBoxClass;
        case ControlKind::kPicture:
        case ControlKind::kIcon:
        case ControlKind::kText:
        case ControlKind::kTextNoPrefix:
            return kStaticClass;
    }
    return kStaticClass;
}

DWORD CDialogTemplate::StyleOf(ControlKind kind, bool startsGroup) {
    DWORD style = WS_CHILD | WS_VISIBLE | (startsGroup ? WS_GROUP : 0);
    switch (kind) {
        case ControlKind::kCheckBox:
            // The program turns the check mark over, not the box.
            return style | BS_CHECKBOX | WS_TABSTOP;
        case ControlKind::kPushButton:
            return style | BS_PUSHBUTTON | WS_TABSTOP;
        case ControlKind::kDefaultPushButton:
            return style | BS_DEFPUSHBUTTON | WS_TABSTOP;
        case ControlKind::kRadioButton:
            // Tab reaches the group once, at its first button.
            return style | BS_AUTORADIOBUTTON | (startsGroup ? WS_TABSTOP : 0);
        case ControlKind::kGroupBox:
            return style | BS_GROUPBOX;
        case ControlKind::kEdit:
            return style | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
        case ControlKind::kListBox:
            // Sorted like the logic's entries; double clicks are reported so the
            // dialog can ignore them on purpose; exactly the table's height.
            return style | LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
        case ControlKind::kPicture:
            return style | SS_BITMAP;
        case ControlKind::kIcon:
            return style | SS_ICON;
        case ControlKind::kText:
            return style | SS_LEFT;
        case ControlKind::kTextNoPrefix:
            return style | SS_LEFT | SS_NOPREFIX;
    }
    return style;
}

void CDialogTemplate::AddDword(DWORD value) {
    AddWord(LOWORD(value));
    AddWord(HIWORD(value));
}

void CDialogTemplate::AddText(const char* utf8) {
    const std::wstring wide = CWideText::Wide(utf8 ? utf8 : "");
    m_words.insert(m_words.end(), wide.begin(), wide.end());
    AddWord(0);
}

void CDialogTemplate::AlignToDword() {
    if (m_words.size() % 2 != 0) AddWord(0);
}
