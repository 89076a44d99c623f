// The common part of dialogs made from a layout table: shown modally or,
// for driving it by messages, created modeless and hidden; labels widened to
// their texts, the pictures and icons the dialog names put in; commands
// handed on, Enter and Escape as the buttons the layout gives them.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

#include "app/core/base/dialoglayout.h"
#include "app/win32/kit/dialogtemplate.h"

class CDialogWindow {
public:
    static constexpr INT_PTR kNotEnded = -1;

    CDialogWindow(HWND parent, const DialogLayout& layout);
    virtual ~CDialogWindow();
    CDialogWindow(const CDialogWindow&) = delete;
    CDialogWindow& operator=(const CDialogWindow&) = delete;

    // Runs the dialog until a button ends it; IDOK or IDCANCEL.
    INT_PTR DoModal();
    // The same dialog modeless and hidden; it lives until this object goes.
    HWND Create();

    HWND Window() const { return m_window; }
    // What ended the dialog, kNotEnded while it is open.
    INT_PTR Result() const { return m_result; }

protected:
    // After the controls exist; false when the dialog has put the focus itself.
    virtual bool OnInitDialog() { return true; }
    virtual void OnCommand(int id, int code) = 0;
    // The bitmap a picture row names by its text; the dialog deletes it.
    // Null leaves the row empty.
    virtual HBITMAP PictureNamed(const char*) { return nullptr; }
    // The icon an icon row names; shared, so never destroyed.
    virtual HICON IconNamed(const char*) { return nullptr; }

    void End(INT_PTR result);
    HWND Item(int id) const { return GetDlgItem(m_window, id); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The button a command presses: the system's IDOK and IDCANCEL stand for
    // Enter and Escape where the layout has no such button.
    int Pressed(int id) const;
    void CentreOnParent();
    void ShowPictures();
    // A picture drawn for 100 % grown as the dialog's units have grown; null
    // when it keeps its size or GDI refuses.
    HBITMAP GrownAsTheUnits(HBITMAP bitmap);
    // A label wider than its row gets the room it needs, and the dialog too.
    void FitLabels();
    static int LabelWidth(HWND control, ControlKind kind);
    // An edit or a list gets the name the layout gives it, for screen readers.
    void NameFields();
    void FreePictures();

    HWND m_parent;
    const DialogLayout& m_layout;
    CDialogTemplate m_template;
    HWND m_window = nullptr;
    INT_PTR m_result = kNotEnded;
    std::vector<HBITMAP> m_bitmaps;
};
