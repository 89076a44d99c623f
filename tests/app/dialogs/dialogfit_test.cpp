#include "app/core/dialogs/dialogfit.h"

#include <gtest/gtest.h>

TEST(DialogFit, ALabelTooNarrowGrowsAndTheDialogOnlyWhenItMustToo) {
    const struct {
        int left, width, needed, client;
        int control, newClient;
    } cases[] = {
        {59, 110, 110, 381, 110, 381},  // fits exactly: nothing moves
        {59, 110, 80, 381, 110, 381},   // never narrowed
        {59, 110, 127, 381, 127, 381},  // the about box's address: room enough inside
        {59, 110, 320, 381, 320, 389},  // past the edge: the dialog grows, keeping the margin
        {0, 10, 371, 381, 371, 381},    // reaches the margin exactly
    };
    for (const auto& c : cases) {
        const CDialogFit::Widths widths = CDialogFit::Widen(c.left, c.width, c.needed, c.client, 10);
        EXPECT_EQ(widths.control, c.control) << c.needed;
        EXPECT_EQ(widths.client, c.newClient) << c.needed;
    }
}

TEST(DialogFit, OnlyTextsBesideOrWithoutAFrameAreFitted) {
    for (ControlKind kind : {ControlKind::kText, ControlKind::kTextNoPrefix, ControlKind::kCheckBox,
                             ControlKind::kRadioButton})
        EXPECT_TRUE(CDialogFit::HasLabel(kind)) << static_cast<int>(kind);
    for (ControlKind kind : {ControlKind::kPushButton, ControlKind::kDefaultPushButton, ControlKind::kGroupBox,
                             ControlKind::kEdit, ControlKind::kListBox, ControlKind::kPicture, ControlKind::kIcon})
        EXPECT_FALSE(CDialogFit::HasLabel(kind)) << static_cast<int>(kind);
}
