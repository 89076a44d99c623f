#include "app/win32/settingsdlg.h"

#include <gtest/gtest.h>

#include "app/core/base/commandids.h"
#include "win32/kit/dialogdriver.h"

using dialogdriver::Click;

namespace {

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

struct Fields {
    int autoReply;
    uint16_t level;
};

// A settings dialog opened on the given fields, modeless and hidden.
struct OpenSettings {
    explicit OpenSettings(Fields fields) : dlg(nullptr) {
        dlg.Logic().m_autoReply = fields.autoReply;
        dlg.Logic().m_level = fields.level;
        window = dlg.Create();
    }
    CSettingsDlg dlg;
    HWND window;
};

}  // namespace

TEST(SettingsDlg, OpensWithTheCheckBoxAndTheLevelButtonOfTheFields) {
    const Fields cases[] = {{1, dlg::kLevel3}, {0, dlg::kLevel1}, {1, dlg::kLevel4}, {0, dlg::kLevel2},
                            {1, CSettingsDlgLogic::kNoLevel}};
    for (const Fields& fields : cases) {
        SCOPED_TRACE(testing::Message() << fields.autoReply << " " << fields.level);
        OpenSettings open(fields);
        ASSERT_NE(open.window, nullptr);
        EXPECT_EQ(Checked(open.window, dlg::kAutoReplyCheck), fields.autoReply != 0);
        for (int id = CSettingsDlgLogic::kFirstLevel; id <= CSettingsDlgLogic::kLastLevel; ++id)
            EXPECT_EQ(Checked(open.window, id), id == fields.level) << id;
        EXPECT_EQ(open.dlg.Result(), CDialogWindow::kNotEnded);
    }
}

TEST(SettingsDlg, ClicksTurnTheCheckBoxOverAndMoveTheLevelMark) {
    OpenSettings open({1, dlg::kLevel3});
    Click(open.window, dlg::kAutoReplyCheck);
    EXPECT_FALSE(Checked(open.window, dlg::kAutoReplyCheck));
    Click(open.window, dlg::kAutoReplyCheck);
    EXPECT_TRUE(Checked(open.window, dlg::kAutoReplyCheck));

    Click(open.window, dlg::kLevel4);
    for (int id = CSettingsDlgLogic::kFirstLevel; id <= CSettingsDlgLogic::kLastLevel; ++id)
        EXPECT_EQ(Checked(open.window, id), id == dlg::kLevel4) << id;
    // Clicking the group box changes nothing.
    SendMessageW(open.window, WM_COMMAND, MAKEWPARAM(dlg::kLevelGroup, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(open.window, dlg::kLevelGroup)));
    EXPECT_EQ(open.dlg.Result(), CDialogWindow::kNotEnded);
    EXPECT_TRUE(Checked(open.window, dlg::kLevel4));
}

TEST(SettingsDlg, OkTakesTheCheckBoxAndTheCheckedLevel) {
    OpenSettings open({1, dlg::kLevel3});
    Click(open.window, dlg::kAutoReplyCheck);
    Click(open.window, dlg::kLevel4);
    Click(open.window, dlg::kSettingsOk);
    EXPECT_EQ(open.dlg.Result(), IDOK);
    EXPECT_EQ(open.dlg.Logic().m_autoReply, 0);
    EXPECT_EQ(open.dlg.Logic().m_level, dlg::kLevel4);
}

TEST(SettingsDlg, EnterIsOkSinceOkIsTheDefaultButton) {
    OpenSettings open({1, dlg::kLevel3});
    Click(open.window, dlg::kAutoReplyCheck);
    dialogdriver::PressKey(open.window, GetDlgItem(open.window, dlg::kAutoReplyCheck), VK_RETURN);
    EXPECT_EQ(open.dlg.Result(), IDOK);
    EXPECT_EQ(open.dlg.Logic().m_autoReply, 0);
    EXPECT_EQ(open.dlg.Logic().m_level, dlg::kLevel3);
}

TEST(SettingsDlg, ALevelClickedCountsWhicheverWayTheDialogIsLeftButTheCheckBoxOnlyThroughOk) {
    using dialogdriver::Exit;
    for (Exit exit : {Exit::kCancelButton, Exit::kEscape, Exit::kCloseBox}) {
        SCOPED_TRACE(dialogdriver::Name(exit));
        OpenSettings open({1, dlg::kLevel3});
        Click(open.window, dlg::kLevel1);
        EXPECT_EQ(open.dlg.Logic().m_level, dlg::kLevel1);  // at once, before any button
        Click(open.window, dlg::kAutoReplyCheck);
        dialogdriver::Leave(open.window, exit, dlg::kIdCancel, GetDlgItem(open.window, dlg::kLevel1));
        EXPECT_EQ(open.dlg.Result(), IDCANCEL);
        EXPECT_EQ(open.dlg.Logic().m_level, dlg::kLevel1);
        EXPECT_EQ(open.dlg.Logic().m_autoReply, 1);
    }
}

TEST(SettingsDlg, ShownModallyItHandsTheFieldsBack) {
    CSettingsDlg settings(nullptr);
    settings.Logic().m_autoReply = 0;
    settings.Logic().m_level = dlg::kLevel1;
    const INT_PTR result = dialogdriver::RunModal(settings, [](HWND window) {
        EXPECT_FALSE(Checked(window, dlg::kAutoReplyCheck));
        EXPECT_TRUE(Checked(window, dlg::kLevel1));
        Click(window, dlg::kAutoReplyCheck);
        Click(window, dlg::kLevel2);
        Click(window, dlg::kSettingsOk);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(settings.Logic().m_autoReply, 1);
    EXPECT_EQ(settings.Logic().m_level, dlg::kLevel2);
    EXPECT_EQ(settings.Window(), nullptr);
}
