#include "app/core/base/mainframetexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/core/base/commandids.h"
#include "menucommands.h"

namespace {

int CommandOfKeys(const std::string& keys) {
    for (int i = 0; i < CMainFrameTexts::kKeyCount; ++i)
        if (keys == CMainFrameTexts::kKeys[i].keys) return CMainFrameTexts::kKeys[i].id;
    return 0;
}

}  // namespace

TEST(MainFrameTextsTest, CaptionIsTitleDashWindowTitle) {
    EXPECT_EQ(CMainFrameTexts::Caption(CMainFrameTexts::kNewDocumentName),
              "NeuesSpiel - Torvo Halvorn Schach Programm");
    EXPECT_EQ(CMainFrameTexts::PreviewCaption("Partie 3"), "Partie 3 - Druck Vorschau");
}

TEST(MainFrameTextsTest, PromptSplitsIntoStatusTextAndTooltip) {
    struct Case {
        int id;
        const char* status;
        const char* tooltip;
    };
    const Case cases[] = {
        {cmd::kFileNew, "Neues Spiel starten", "Neues Spiel"},
        {cmd::kShortHelp, "Hilfe Text Anzeige", "Hilfe"},
        {cmd::kFlipBoard, "Wechselt die Ansicht für schwarz oder weiss", ""},
        {cmd::kFileOpen, "Öffnet ein altes Spielt", "Öffnen"},
        {cmd::kFileMruFirst + 3, "Öffnet dieses Dokument", ""},
        {cmd::kFileMruLast, "Öffnet dieses Dokument", ""},
        {cmd::kEditCut, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CMainFrameTexts::StatusPrompt(c.id), c.status) << c.id;
        EXPECT_EQ(CMainFrameTexts::Tooltip(c.id), c.tooltip) << c.id;
    }
}

TEST(MainFrameTextsTest, MenuKeyTextsAgreeWithTheKeyboardTable) {
    int withKeys = 0;
    for (int m = 0; m < CMainFrameTexts::kMenuCount; ++m) {
        const Menu& menu = CMainFrameTexts::kMenus[m];
        for (int i = 0; i < menu.count; ++i) {
            const std::string keys = CMainFrameTexts::MenuKeyText(menu.items[i].text);
            if (keys.empty()) continue;
            ++withKeys;
            EXPECT_EQ(CommandOfKeys(keys), menu.items[i].id) << menu.items[i].text;
        }
    }
    EXPECT_EQ(withKeys, 10);
}

TEST(MainFrameTextsTest, EveryMenuCommandButTheRecentFilesHasAStatusText) {
    for (int id : MenuCommands()) {
        if (id == cmd::kFileMruFirst) continue;
        EXPECT_FALSE(CMainFrameTexts::StatusPrompt(id).empty()) << id;
    }
}

TEST(MainFrameTextsTest, StringTableHasEachIdOnce) {
    std::set<int> seen;
    for (int i = 0; i < CMainFrameTexts::kStringCount; ++i)
        EXPECT_TRUE(seen.insert(CMainFrameTexts::kStrings[i].id).second) << CMainFrameTexts::kStrings[i].id;
}
