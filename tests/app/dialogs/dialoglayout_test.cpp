#include "app/core/base/dialoglayout.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/core/base/commandids.h"
#include "app/core/dialogs/legalmovesdlglogic.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/dialogs/moveentrydlglogic.h"
#include "app/core/picture/resourcestore.h"
#include "app/core/dialogs/settingsdlglogic.h"

namespace {

const DialogLayout* const kLayouts[] = {
    &CSettingsDlgLogic::kLayout,
    &CMoveEntryDlgLogic::kLayout,
    &CLegalMovesDlgLogic::kLayout,
    &CMainFrameTexts::kAboutLayout,
};

}  // namespace

TEST(DialogLayoutTest, ControlsLieInsideTheirDialog) {
    for (const DialogLayout* layout : kLayouts) {
        for (int i = 0; i < layout->count; ++i) {
            const DialogControl& c = layout->controls[i];
            EXPECT_GE(c.left, 0) << layout->caption << " " << i;
            EXPECT_GE(c.top, 0) << layout->caption << " " << i;
            EXPECT_LE(c.left + c.width, layout->width) << layout->caption << " " << i;
            EXPECT_LE(c.top + c.height, layout->height) << layout->caption << " " << i;
        }
    }
}

TEST(DialogLayoutTest, ControlIdsAreUniqueApartFromStatics) {
    for (const DialogLayout* layout : kLayouts) {
        std::set<int> ids;
        for (int i = 0; i < layout->count; ++i)
            if (layout->controls[i].id != dlg::kIdStatic) {
                EXPECT_TRUE(ids.insert(layout->controls[i].id).second) << layout->caption;
            }
    }
}

TEST(DialogLayoutTest, EachLevelButtonCarriesItsLevelAsId) {
    const DialogLayout& layout = CSettingsDlgLogic::kLayout;
    for (int id = CSettingsDlgLogic::kFirstLevel; id <= CSettingsDlgLogic::kLastLevel; ++id) {
        const DialogControl* button = layout.Find(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->kind, ControlKind::kRadioButton);
    }
    EXPECT_EQ(layout.Find(dlg::kSettingsOk)->kind, ControlKind::kDefaultPushButton);
}

TEST(DialogLayoutTest, MoveEntryOkIsNotTheDefaultButton) {
    const DialogControl* ok = CMoveEntryDlgLogic::kLayout.Find(dlg::kMoveEntryOk);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->kind, ControlKind::kPushButton);
    for (int i = 0; i < CMoveEntryDlgLogic::kLayout.count; ++i)
        EXPECT_NE(CMoveEntryDlgLogic::kLayout.controls[i].kind, ControlKind::kDefaultPushButton);
}

// A picture or icon row names a picture that is built into the program; the
// dialog shows nothing where the name finds none.
TEST(DialogLayoutTest, PicturesAndIconsNameStoredPictures) {
    int pictures = 0;
    for (const DialogLayout* layout : kLayouts) {
        for (int i = 0; i < layout->count; ++i) {
            const DialogControl& c = layout->controls[i];
            if (c.kind != ControlKind::kPicture && c.kind != ControlKind::kIcon) continue;
            ++pictures;
            EXPECT_NE(CResourceStore::Find(c.text), nullptr) << layout->caption << " " << c.text;
        }
    }
    EXPECT_EQ(pictures, 2);  // KOORD and the about box's icon
}

TEST(DialogLayoutTest, ARunOfRadioButtonsIsOneGroup) {
    using K = ControlKind;
    const struct {
        const char* name;
        std::vector<K> kinds;
        std::vector<bool> starts;
    } cases[] = {
        {"one run", {K::kRadioButton, K::kRadioButton, K::kRadioButton}, {true, false, false}},
        {"after a box", {K::kCheckBox, K::kRadioButton, K::kRadioButton}, {true, true, false}},
        {"two runs", {K::kRadioButton, K::kRadioButton, K::kGroupBox, K::kRadioButton}, {true, false, true, true}},
        {"no radio", {K::kPushButton, K::kEdit}, {true, true}},
    };
    for (const auto& c : cases) {
        std::vector<DialogControl> controls;
        for (K kind : c.kinds) controls.push_back({dlg::kIdStatic, kind, "", 0, 0, 10, 10});
        const DialogLayout layout = {c.name, 100, 100, controls.data(), static_cast<int>(controls.size())};
        std::vector<bool> starts;
        for (int i = 0; i < layout.count; ++i) starts.push_back(layout.StartsGroup(i));
        EXPECT_EQ(starts, c.starts) << c.name;
    }
    // The levels: the first starts the group, the others join it.
    const DialogLayout& settings = CSettingsDlgLogic::kLayout;
    for (int i = 0; i < settings.count; ++i) {
        if (settings.controls[i].kind != K::kRadioButton) continue;
        EXPECT_EQ(settings.StartsGroup(i), settings.controls[i].id == CSettingsDlgLogic::kFirstLevel) << i;
    }
}

// Enter presses the default button, and closes a dialog without one as
// Escape does; Escape presses "Abbrechen", or the default button where
// there is none.
TEST(DialogLayoutTest, EnterAndEscapePressTheirButtons) {
    const struct {
        const DialogLayout* layout;
        int enter;
        int escape;
    } cases[] = {
        {&CSettingsDlgLogic::kLayout, dlg::kSettingsOk, dlg::kIdCancel},
        {&CMoveEntryDlgLogic::kLayout, dlg::kIdCancel, dlg::kIdCancel},
        {&CLegalMovesDlgLogic::kLayout, dlg::kIdCancel, dlg::kIdCancel},
        {&CMainFrameTexts::kAboutLayout, dlg::kIdOk, dlg::kIdOk},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.layout->EnterId(), c.enter) << c.layout->caption;
        EXPECT_EQ(c.layout->EscapeId(), c.escape) << c.layout->caption;
    }
}

// A screen reader names an edit or a list by what labels it; the program's
// own fields are named by the group boxes drawn around them.
TEST(DialogLayoutTest, FieldsAreNamedByTheirLabelOrTheGroupAroundThem) {
    constexpr DialogControl kControls[] = {
        {1, ControlKind::kEdit, "", 10, 10, 20, 10},
        {dlg::kIdStatic, ControlKind::kGroupBox, "Rahmen", 5, 5, 40, 40},
        {dlg::kIdStatic, ControlKind::kText, "&Name:", 50, 10, 20, 10},
        {2, ControlKind::kEdit, "", 70, 10, 20, 10},
        {3, ControlKind::kListBox, "", 50, 30, 20, 40},  // outside the box, no text before it
        {4, ControlKind::kPushButton, "OK", 10, 20, 20, 10},
    };
    const DialogLayout layout = {"Test", 100, 80, kControls, 6};
    const struct {
        int index;
        const char* label;
    } cases[] = {{0, "Rahmen"}, {3, "&Name:"}, {4, nullptr}, {5, nullptr}, {1, nullptr}, {-1, nullptr}, {6, nullptr}};
    for (const auto& c : cases) {
        const char* label = layout.LabelOf(c.index);
        if (c.label)
            EXPECT_STREQ(label, c.label) << c.index;
        else
            EXPECT_EQ(label, nullptr) << c.index;
    }
    const struct {
        const DialogLayout* layout;
        int id;
        const char* label;
    } fields[] = {{&CMoveEntryDlgLogic::kLayout, dlg::kMoveEdit, "Eingabe eines Zuges (PGN)"},
                  {&CLegalMovesDlgLogic::kLayout, dlg::kLegalMovesList, "Gültige Züge"}};
    for (const auto& f : fields) {
        int index = -1;
        for (int i = 0; i < f.layout->count; ++i)
            if (f.layout->controls[i].id == f.id) index = i;
        EXPECT_STREQ(f.layout->LabelOf(index), f.label) << f.layout->caption;
    }
}
