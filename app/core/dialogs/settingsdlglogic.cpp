#include "app/core/dialogs/settingsdlglogic.h"

#include "app/core/base/commandids.h"

namespace {

constexpr DialogControl kSettingsControls[] = {
    {dlg::kAutoReplyCheck, ControlKind::kCheckBox, "Computer &Antwortet automatisch", 15, 15, 176, 15},
    {dlg::kSettingsOk, ControlKind::kDefaultPushButton, dlg::kOkText, 185, 48, 56, 18},
    {dlg::kIdCancel, ControlKind::kPushButton, dlg::kCancelText, 185, 129, 56, 17},
    {dlg::kLevel1, ControlKind::kRadioButton, "Level 1 (Schäfer)", 25, 65, 95, 12},
    {dlg::kLevel2, ControlKind::kRadioButton, "Level 2 (Beginner)", 25, 85, 111, 12},
    {dlg::kLevel3, ControlKind::kRadioButton, "Level 3 (Club Spieler)", 25, 103, 108, 12},
    {dlg::kLevel4, ControlKind::kRadioButton, "Level 4 (Meister)", 25, 123, 89, 12},
    {dlg::kLevelGroup, ControlKind::kGroupBox, "Computer Stärke", 12, 43, 155, 103},
};

}  // namespace

const DialogLayout CSettingsDlgLogic::kLayout = {
    "Haupt Einstellungen", 257, 158, kSettingsControls, static_cast<int>(sizeof kSettingsControls / sizeof kSettingsControls[0])};

void CSettingsDlgLogic::Open() {
    m_autoReplyChecked = m_autoReply != 0 ? 1 : 0;
    m_checkedLevel = IsLevel(m_level) ? m_level : kNoLevel;
}

void CSettingsDlgLogic::ClickAutoReply() { m_autoReplyChecked = m_autoReplyChecked != 0 ? 0 : 1; }

void CSettingsDlgLogic::ClickLevel(int id) {
    if (!IsLevel(id)) return;
    m_level = static_cast<uint16_t>(id);
    m_checkedLevel = id;
}

void CSettingsDlgLogic::Ok() {
    m_autoReply = m_autoReplyChecked;
    m_level = static_cast<uint16_t>(m_checkedLevel);
}
