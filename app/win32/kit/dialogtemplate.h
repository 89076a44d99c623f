// A dialog's in-memory template (DLGTEMPLATE with its items) built from a
// layout table, for DialogBoxIndirectParamW and CreateDialogIndirectParamW.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

#include "app/core/base/dialoglayout.h"

class CDialogTemplate {
public:
    // A modal dialog with caption, system menu and modal frame, hidden until shown.
    static constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    // The predefined window classes' ordinals in an item template.
    static constexpr WORD kButtonClass = 0x0080;
    static constexpr WORD kEditClass = 0x0081;
    static constexpr WORD kStaticClass = 0x0082;
    static constexpr WORD kListBoxClass = 0x0083;

    explicit CDialogTemplate(const DialogLayout& layout);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }
    size_t SizeInBytes() const { return m_words.size() * sizeof(WORD); }

private:
    static WORD ClassOf(ControlKind kind);
    // The window style of a row of that kind; startsGroup gives it WS_GROUP.
    static DWORD StyleOf(ControlKind kind, bool startsGroup);
    void AddDword(DWORD value);
    void AddWord(WORD value) { m_words.push_back(value); }
    void AddText(const char* utf8);
    void AlignToDword();

    // The allocation is aligned for any type, so DWORD padding counted from
    // the start is DWORD alignment in memory.
    std::vector<WORD> m_words;
};
