#include "app/core/frame/framemenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/document/recentfiles.h"
#include "app/core/picture/resourcestore.h"

namespace {

constexpr const char* kRecentPrompt = "Öffnet dieses Dokument";

std::vector<int> Ids(const std::vector<MenuEntry>& entries) {
    std::vector<int> ids;
    for (const MenuEntry& entry : entries) ids.push_back(entry.id);
    return ids;
}

}  // namespace

TEST(FrameMenu, FileMenuWithoutRecentFilesHoldsTheGreyedPlaceholder) {
    const std::vector<MenuEntry> file = CFrameMenu::Entries(CFrameMenu::kFileMenu, CRecentFiles());
    const int s = CMainFrameTexts::kSeparator;
    EXPECT_EQ(Ids(file), (std::vector<int>{cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, cmd::kFileSaveAs, s,
                                           cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kFilePrintSetup, s,
                                           cmd::kFileMruFirst, s, cmd::kAppExit}));
    const MenuEntry& placeholder = file[static_cast<size_t>(CFrameMenu::RecentPosition())];
    EXPECT_EQ(placeholder.kind, MenuEntry::kGreyed);
    EXPECT_EQ(placeholder.text, "Letzte Datei");
    EXPECT_EQ(placeholder.prompt, kRecentPrompt);
    EXPECT_EQ(file[0].text, "&Neu\tCtrl+N");
    EXPECT_EQ(file[0].prompt, "Neues Spiel starten");
    EXPECT_EQ(file[4].kind, MenuEntry::kSeparator);
}

TEST(FrameMenu, RecentFilesTakeThePlaceholdersPlaceNewestFirst) {
    CRecentFiles recent;
    recent.Add("/spiele/a.pgn");
    recent.Add("/spiele/b.pgn");
    const std::vector<MenuEntry> file = CFrameMenu::Entries(CFrameMenu::kFileMenu, recent);
    ASSERT_EQ(file.size(), static_cast<size_t>(CMainFrameTexts::kMenus[CFrameMenu::kFileMenu].count + 1));
    const size_t at = static_cast<size_t>(CFrameMenu::RecentPosition());
    const struct {
        int id;
        const char* text;
    } expected[] = {{cmd::kFileMruFirst, "&1 /spiele/b.pgn"}, {cmd::kFileMruFirst + 1, "&2 /spiele/a.pgn"}};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(file[at + i].kind, MenuEntry::kCommand);
        EXPECT_EQ(file[at + i].id, expected[i].id);
        EXPECT_EQ(file[at + i].text, expected[i].text);
        EXPECT_EQ(file[at + i].prompt, kRecentPrompt);
    }
    EXPECT_EQ(file[at + 2].kind, MenuEntry::kSeparator);
    for (const MenuEntry& entry : CFrameMenu::RecentEntries(recent)) EXPECT_TRUE(CFrameMenu::IsRecentFile(entry.id));
}

TEST(FrameMenu, OnlyTheBarsItemsCarryACheckMark) {
    for (int menu = 0; menu < CMainFrameTexts::kMenuCount; ++menu)
        for (const MenuEntry& entry : CFrameMenu::Entries(menu, CRecentFiles())) {
            const bool bar = entry.id == cmd::kViewToolbar || entry.id == cmd::kViewStatusBar;
            EXPECT_EQ(entry.kind == MenuEntry::kCheck, bar) << entry.text;
        }
    EXPECT_TRUE(CFrameMenu::Entries(-1, CRecentFiles()).empty());
    EXPECT_TRUE(CFrameMenu::Entries(CMainFrameTexts::kMenuCount, CRecentFiles()).empty());
}

TEST(FrameMenu, ButtonsTakeTheStripsPicturesInOrder) {
    const std::vector<ToolButton> buttons = CFrameMenu::Buttons();
    ASSERT_EQ(buttons.size(), static_cast<size_t>(CMainFrameTexts::kToolbarCount));
    int picture = 0;
    for (const ToolButton& button : buttons) {
        if (button.id == CMainFrameTexts::kSeparator) {
            EXPECT_TRUE(button.tooltip.empty());
            continue;
        }
        EXPECT_EQ(button.picture, picture++) << button.id;
        EXPECT_FALSE(button.tooltip.empty()) << button.id;
        EXPECT_FALSE(button.prompt.empty()) << button.id;
    }
    EXPECT_EQ(picture, CFrameMenu::kPictureCount);
    EXPECT_EQ(buttons.back().id, cmd::kShortHelp);
    EXPECT_EQ(buttons.back().tooltip, "Hilfe");
    EXPECT_EQ(buttons.back().prompt, "Hilfe Text Anzeige");
}

TEST(FrameMenu, TheStripHoldsEveryPictureAtItsSizeOnTheBackground) {
    CPixelBuffer strip;
    ASSERT_STREQ(CResourceStore::ReadBitmap(CFrameMenu::kToolbarStrip, &strip), "");
    EXPECT_EQ(strip.Width(), CFrameMenu::kPictureCount * CFrameMenu::kButtonWidth);
    EXPECT_EQ(strip.Height(), CFrameMenu::kButtonHeight);
    EXPECT_EQ(strip.Pixel(0, 0), CFrameMenu::kStripBackground);
}

// Each button's picture comes out of the built-in strip at its place, on
// the background that is left out; there is none past the strip's end.
TEST(FrameMenu, ButtonPicturesAreCutFromTheStrip) {
    CPixelBuffer strip;
    ASSERT_STREQ(CResourceStore::ReadBitmap(CFrameMenu::kToolbarStrip, &strip), "");
    CPixelBuffer picture;
    for (int i = 0; i < CFrameMenu::kPictureCount; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(CFrameMenu::ButtonPicture(strip, i, &picture));
        ASSERT_EQ(picture.Width(), CFrameMenu::kButtonWidth);
        ASSERT_EQ(picture.Height(), CFrameMenu::kButtonHeight);
        int background = 0;
        for (int y = 0; y < CFrameMenu::kButtonHeight; ++y)
            for (int x = 0; x < CFrameMenu::kButtonWidth; ++x) {
                ASSERT_EQ(picture.Pixel(x, y), strip.Pixel(i * CFrameMenu::kButtonWidth + x, y)) << x << "," << y;
                if (picture.Pixel(x, y) == CFrameMenu::kStripBackground) ++background;
            }
        // Something drawn on the background, which is left out around it.
        EXPECT_GT(background, 0);
        EXPECT_LT(background, CFrameMenu::kButtonWidth * CFrameMenu::kButtonHeight);
    }
    const int past = strip.Width() / CFrameMenu::kButtonWidth;
    EXPECT_FALSE(CFrameMenu::ButtonPicture(strip, past, &picture));
    EXPECT_FALSE(CFrameMenu::ButtonPicture(strip, -1, &picture));
    CPixelBuffer low(strip.Width(), CFrameMenu::kButtonHeight - 1);
    EXPECT_FALSE(CFrameMenu::ButtonPicture(low, 0, &picture));
}
