// The board as ATK sees it: a table of 64 cells named by the board's
// access, the cursor's cell as its active descendant, and messages spoken
// as they come. While the view shows the notation, its read-only text is
// the active descendant instead, with the line cursor as its caret. wx has
// no accessibility of its own on GTK, so the objects are made here, and only
// once a screen reader asks for them.
#pragma once

#include <string>
#include <vector>

#include "app/core/access/accessplatform.h"

class CBoardAccess;
class CNotationReader;
class wxWindow;
typedef struct _AtkObject AtkObject;
typedef struct _GtkWidget GtkWidget;

class CBoardAccessible : public IAccessPlatform {
public:
    CBoardAccessible() = default;
    ~CBoardAccessible() override { Detach(); }
    CBoardAccessible(const CBoardAccessible&) = delete;
    CBoardAccessible& operator=(const CBoardAccessible&) = delete;

    // The widget that takes the board's focus; `canvas` tells where it lies.
    void Attach(GtkWidget* widget, wxWindow* canvas, CBoardAccess* access);
    // The board takes the focus: GTK's focus tracking asks for the
    // accessible object a moment later anyway; asked now, it is there for
    // what the board says on this focus.
    void OnFocus();
    // The board's access or the widget goes: nothing reaches them any more.
    void Detach();

    // IAccessPlatform
    void FocusCell(int cell) override;
    void CellsChanged() override;
    void Announce(const std::string& text) override;
    void NotationShown(bool shown) override;
    void NotationLine(int line, bool jumped) override;

    // For the ATK objects.
    AtkObject* Table();
    std::string BoardName() const;
    std::string CellName(int cell) const;
    bool CellPicked(int cell) const;
    bool CellFocused(int cell) const;
    // The cell's rectangle in screen coordinates.
    void CellExtents(int cell, int* x, int* y, int* width, int* height) const;
    // The board's rectangle in screen coordinates.
    void BoardExtents(int* x, int* y, int* width, int* height) const;
    // The notation's text, null while the board is shown.
    const CNotationReader* Notation() const;
    bool NotationFocused() const;

private:
    GtkWidget* m_widget = nullptr;
    wxWindow* m_canvas = nullptr;
    CBoardAccess* m_access = nullptr;
    AtkObject* m_table = nullptr;
    int m_focused = -1;
    bool m_notationShown = false;
    // The board took the focus since the cursor last moved.
    bool m_freshFocus = false;
    // What each cell was last called and whether it was picked, to tell
    // the screen reader only of the cells that changed.
    std::vector<std::string> m_names;
    std::vector<bool> m_picked;
};
