#include "app/core/dialogs/moveentrydlglogic.h"

#include "app/core/base/commandids.h"
#include "rules/utf8text.h"

namespace {

constexpr DialogControl kMoveEntryControls[] = {
    {dlg::kMoveEdit, ControlKind::kEdit, "", 39, 39, 83, 15},
    {dlg::kIdStatic, ControlKind::kGroupBox, "Eingabe eines Zuges (PGN)", 24, 18, 120, 44},
    {dlg::kMoveEntryOk, ControlKind::kPushButton, dlg::kOkText, 25, 71, 43, 17},
    {dlg::kIdCancel, ControlKind::kPushButton, dlg::kCancelText, 85, 71, 59, 17},
};

}  // namespace

const DialogLayout CMoveEntryDlgLogic::kLayout = {
    "Zug", 186, 110, kMoveEntryControls, static_cast<int>(sizeof kMoveEntryControls / sizeof kMoveEntryControls[0])};

void CMoveEntryDlgLogic::Ok(const std::string& fieldText) {
    m_moveText = fieldText.substr(0, utf8text::BytesOfFirstChars(fieldText, kMaxChars));
}
