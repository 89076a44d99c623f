#include "app/core/moveentrydlglogic.h"

#include "app/core/commandids.h"

namespace {

constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;

constexpr DialogControl kControls[] = {
    {dlg::kMoveEdit, ControlKind::kEdit, "", 39, 39, 83, 15},
    {dlg::kIdStatic, ControlKind::kGroupBox, "Eingabe eines Zuges (PGN)", 24, 18, 120, 44},
    {dlg::kMoveEntryOk, ControlKind::kPushButton, dlg::kOkText, 25, 71, 43, 17},
    {dlg::kIdCancel, ControlKind::kPushButton, dlg::kCancelText, 85, 71, 59, 17},
};

}  // namespace

const DialogLayout CMoveEntryDlgLogic::kLayout = {
    "Zug", 186, 110, kControls, static_cast<int>(sizeof kControls / sizeof kControls[0])};

void CMoveEntryDlgLogic::Ok(const std::string& fieldText) {
    int chars = 0;
    size_t end = 0;
    for (; end < fieldText.size(); ++end) {
        const unsigned char byte = static_cast<unsigned char>(fieldText[end]);
        if ((byte & kContinuationMask) == kContinuationBits) continue;
        if (chars == kMaxChars) break;
        ++chars;
    }
    m_moveText = fieldText.substr(0, end);
}
