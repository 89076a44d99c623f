// A dialog as a table of controls placed in dialog units, so that the
// toolkit glue only turns rows into controls.
#pragma once

#include "app/core/base/commandids.h"

enum class ControlKind {
    kCheckBox,
    kPushButton,
    kDefaultPushButton,
    kRadioButton,
    kGroupBox,
    kEdit,
    kListBox,
    kPicture,
    kIcon,
    kText,          // an & marks the key of the next control, as labels do
    kTextNoPrefix,  // shown exactly as it stands, & included
};

struct DialogControl {
    int id;
    ControlKind kind;
    const char* text;  // UTF-8; the picture's name for a picture or an icon
    int left;
    int top;
    int width;  // 0 for a picture: the bitmap's own size
    int height;
};

struct DialogLayout {
    // Every dialog's font; the dialog units are measured in it.
    static constexpr int kFontPoints = 8;
    static constexpr const char* kFontName = "MS Sans Serif";

    const char* caption;
    int width;
    int height;
    const DialogControl* controls;
    int count;

    const DialogControl* Find(int id) const {
        for (int i = 0; i < count; ++i)
            if (controls[i].id == id) return &controls[i];
        return nullptr;
    }
    // The button Escape and the close box press: "Abbrechen", or in a
    // dialog without one its default button.
    int EscapeId() const {
        if (Find(dlg::kIdCancel)) return dlg::kIdCancel;
        const DialogControl* button = DefaultButton();
        return button ? button->id : dlg::kIdOk;
    }
    // The button Enter presses: the default one; without one, Enter closes
    // the dialog as Escape does.
    int EnterId() const {
        const DialogControl* button = DefaultButton();
        return button ? button->id : EscapeId();
    }
    const DialogControl* DefaultButton() const {
        for (int i = 0; i < count; ++i)
            if (controls[i].kind == ControlKind::kDefaultPushButton) return &controls[i];
        return nullptr;
    }
    // What names a control that shows no text of its own (an edit, a list)
    // to a screen reader: a text row right before it, else the caption of
    // the group box around it; null for other controls and for none.
    const char* LabelOf(int index) const {
        if (index < 0 || index >= count) return nullptr;
        const DialogControl& control = controls[index];
        if (control.kind != ControlKind::kEdit && control.kind != ControlKind::kListBox) return nullptr;
        if (index > 0 && (controls[index - 1].kind == ControlKind::kText ||
                          controls[index - 1].kind == ControlKind::kTextNoPrefix))
            return controls[index - 1].text;
        for (int i = 0; i < count; ++i) {
            const DialogControl& box = controls[i];
            if (box.kind == ControlKind::kGroupBox && box.left <= control.left && box.top <= control.top &&
                control.left + control.width <= box.left + box.width &&
                control.top + control.height <= box.top + box.height)
                return box.text;
        }
        return nullptr;
    }
    // A run of radio buttons is one group, of which one is checked; every
    // other control starts a group of its own.
    bool StartsGroup(int index) const {
        return index <= 0 || index >= count || controls[index].kind != ControlKind::kRadioButton ||
               controls[index - 1].kind != ControlKind::kRadioButton;
    }
};
