#include "app/core/frame/docklayout.h"

#include <gtest/gtest.h>

namespace {

using Place = CDockLayout::Place;
using Rect = CDockLayout::Rect;

constexpr Rect kClient = {0, 0, 600, 400};
constexpr CDockLayout::Size kRow = {330, 26};
constexpr CDockLayout::Size kColumn = {31, 380};

}  // namespace

TEST(DockLayout, TheViewTakesWhatTheBarLeavesAtItsEdge) {
    const struct {
        Place place;
        bool shown;
        Rect bar;
        Rect view;
    } cases[] = {
        {Place::kTop, true, {0, 0, 600, 26}, {0, 26, 600, 400}},
        {Place::kBottom, true, {0, 374, 600, 400}, {0, 0, 600, 374}},
        {Place::kLeft, true, {0, 0, 31, 400}, {31, 0, 600, 400}},
        {Place::kRight, true, {569, 0, 600, 400}, {0, 0, 569, 400}},
        {Place::kFloating, true, {0, 0, 0, 0}, kClient},
        {Place::kTop, false, {0, 0, 0, 0}, kClient},
        {Place::kLeft, false, {0, 0, 0, 0}, kClient},
    };
    for (const auto& c : cases) {
        const CDockLayout::Arrangement arranged = CDockLayout::Arrange(c.place, c.shown, kClient, kRow, kColumn);
        EXPECT_EQ(arranged.bar, c.bar) << static_cast<int>(c.place) << c.shown;
        EXPECT_EQ(arranged.view, c.view) << static_cast<int>(c.place) << c.shown;
    }
}

TEST(DockLayout, AFrameSmallerThanTheBarLeavesAnEmptyViewInside) {
    const Rect tiny = {10, 20, 30, 35};
    for (Place place : {Place::kTop, Place::kBottom, Place::kLeft, Place::kRight}) {
        const CDockLayout::Arrangement arranged = CDockLayout::Arrange(place, true, tiny, kRow, kColumn);
        EXPECT_EQ(arranged.bar, tiny) << static_cast<int>(place);
        const Rect& view = arranged.view;
        EXPECT_TRUE(view.left >= tiny.left && view.right <= tiny.right && view.left <= view.right);
        EXPECT_TRUE(view.top >= tiny.top && view.bottom <= tiny.bottom && view.top <= view.bottom);
        EXPECT_TRUE(view.left == view.right || view.top == view.bottom) << static_cast<int>(place);
    }
}

TEST(DockLayout, ADroppedBarDocksAtTheEdgeNearTheSpotAndFloatsElsewhere) {
    const struct {
        int x, y;
        Place place;
    } cases[] = {
        {300, 5, Place::kTop},        {300, -20, Place::kTop},      {300, 395, Place::kBottom},
        {300, 410, Place::kBottom},   {5, 200, Place::kLeft},       {-25, 200, Place::kLeft},
        {595, 200, Place::kRight},    {620, 200, Place::kRight},    {300, 200, Place::kFloating},
        {31, 200, Place::kFloating},  {300, 26, Place::kFloating},  {2, 2, Place::kTop},
        {598, 398, Place::kBottom},   {300, -27, Place::kFloating}, {-40, 200, Place::kFloating},
        {300, 700, Place::kFloating},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CDockLayout::DropPlace(c.x, c.y, kClient, 26), c.place) << c.x << "," << c.y;
}
