// How a dialog makes room for a label that its row is too narrow for: the
// label grows to its text and the dialog with it, so that nothing is cut
// whatever font and scale the dialog comes out in.
#pragma once

#include "app/core/base/dialoglayout.h"

class CDialogFit {
public:
    // Kept free between a widened label and the dialog's right edge.
    static constexpr int kMarginUnits = 7;

    struct Widths {
        int control;
        int client;
    };

    // True for the rows whose text is shown beside or without a frame, where
    // a text too long is cut rather than wrapped.
    static bool HasLabel(ControlKind kind);

    // All in pixels: the row's left edge and width, the width its label
    // needs, the dialog's client width and the margin. Only ever widens.
    static Widths Widen(int left, int width, int needed, int client, int margin);
};
