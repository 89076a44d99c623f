// What the settings dialog does with the automatic answer and the playing
// level, apart from the controls that show them.
#pragma once

#include <cstdint>

#include "app/core/base/commandids.h"
#include "app/core/base/dialoglayout.h"
#include "engine/levels.h"

class CSettingsDlgLogic {
public:
    static const DialogLayout kLayout;
    static constexpr int kDefaultAutoReply = 1;
    static constexpr uint16_t kDefaultLevel = dlg::kLevel3;
    static constexpr int kFirstLevel = dlg::kLevel1;
    static constexpr int kLastLevel = dlg::kLevel4;
    static constexpr int kNoLevel = 0;

    int m_autoReply = kDefaultAutoReply;
    uint16_t m_level = kDefaultLevel;

    // The controls take the fields' values.
    void Open();
    // The check box does not turn itself over; the dialog does it here.
    void ClickAutoReply();
    // A level counts at once, whatever button closes the dialog later.
    void ClickLevel(int id);
    void Ok();
    // "Abbrechen", Escape or the close box: the fields stay as they are.
    void Cancel() {}

    int AutoReplyChecked() const { return m_autoReplyChecked; }
    // Id of the checked level button, kNoLevel when none is.
    int CheckedLevel() const { return m_checkedLevel; }
    static bool IsLevel(int id) { return id >= kFirstLevel && id <= kLastLevel; }
    // The engine's level that a level button stands for; kNone for any other id.
    static EngineLevel EngineLevelOf(int id) {
        return IsLevel(id) ? LevelOfNumber(id - kFirstLevel + 1) : EngineLevel::kNone;
    }

private:
    int m_autoReplyChecked = 0;
    int m_checkedLevel = kNoLevel;
};
