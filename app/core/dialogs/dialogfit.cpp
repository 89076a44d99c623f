#include "app/core/dialogs/dialogfit.h"

#include <algorithm>

bool CDialogFit::HasLabel(ControlKind kind) {
    return kind == ControlKind::kText || kind == ControlKind::kTextNoPrefix || kind == ControlKind::kCheckBox ||
           kind == ControlKind::kRadioButton;
}

CDialogFit::Widths CDialogFit::Widen(int left, int width, int needed, int client, int margin) {
    if (needed <= width) return {width, client};
    return {needed, std::max(client, left + needed + margin)};
}
