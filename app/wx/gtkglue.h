// The few things the program asks of GTK itself, where wx does not reach:
// the keyboard map's Scroll Lock, where an event came from, the pointer
// over a greyed menu item (GTK highlights no insensitive item, so wx gives
// no prompt for it), scroll bars that stay in sight, and a window made
// on the screen before it is shown, and what a screen reader reads of
// boxes and dialogs.
#pragma once

#include <functional>

class wxMenu;
class wxToolBar;
class wxWindow;

class CGtkGlue {
public:
    // Whether the keyboard map shows Scroll Lock on.
    static bool ScrollLockOn();
    // Whether the event being handled now came from the keyboard.
    static bool HandlingKeyEvent();
    // Calls `pointed` when the pointer moves onto the item `id` of `menu`,
    // greyed or not; the item may be made anew at any time.
    static void WatchPointing(wxMenu* menu, int id, std::function<void()> pointed);
    // GTK's overlay scroll bars show only while the pointer moves over the
    // window, so a list cut off at its bottom looks complete: the window's
    // bars get their own room beside the content and are always drawn
    // there, as far as its scroll-bar policy shows them.
    static void KeepScrollBarsInSight(wxWindow* window);
    // A top-level window not yet shown gets its place on the X server at
    // its own size. Shown unrealized, wx holds GTK's show back until the
    // window manager has told the frame's borders, lays the window out 2
    // pixels wide meanwhile, and the manager places that sliver.
    static void Realize(wxWindow* window);
    // A box that tells the user something: a screen reader reads such a
    // window's text as it opens, which wx's own dialogs do not say they are.
    static void MarkAlert(wxWindow* window);
    // A dialog: a screen reader reads its texts that label no control as it
    // opens (the about box's version), where for a plain window it reads only the focus.
    static void MarkDialog(wxWindow* window);
    // The texts in the window (a box's message, a group box's title) label
    // no control: GTK's accessibility guesses a text to be the label of the
    // control made after it, and a screen reader then reads the text for
    // that control's name, or leaves a box's message unread.
    static void LabelNothing(wxWindow* window);
    // The name a screen reader gives a control without a text of its own.
    static void NameControl(wxWindow* control, const char* name);
    // A toolbar's buttons show pictures only: a screen reader finds no
    // name in them and reads each by its tooltip instead.
    static void NameToolsByTips(wxToolBar* bar);
};
