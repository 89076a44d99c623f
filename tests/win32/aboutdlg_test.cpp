#include "app/win32/aboutdlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/win32/kit/widetext.h"
#include "win32/kit/dialogdriver.h"

TEST(AboutDlg, OpensWithItsCaptionAndTextsEvenWithoutTheProgramsIcon) {
    CAboutDlg about(nullptr);
    HWND window = about.Create();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialogdriver::Text(window), L"\u00dcber Torvo");
    std::vector<std::wstring> texts;
    for (HWND child : dialogdriver::Children(window)) texts.push_back(dialogdriver::Text(child));
    for (const char* text : {CMainFrameTexts::kAboutProgramLine, CMainFrameTexts::kCopyrightLine,
                             CMainFrameTexts::kHomepageText, CMainFrameTexts::kMailAddress})
        EXPECT_NE(std::find(texts.begin(), texts.end(), CWideText::Wide(text)), texts.end()) << text;
}

TEST(AboutDlg, OkEnterEscapeAndTheCloseBoxCloseIt) {
    using dialogdriver::Exit;
    {
        CAboutDlg about(nullptr);
        HWND window = about.Create();
        dialogdriver::Click(window, dlg::kIdOk);
        EXPECT_EQ(about.Result(), IDOK);
    }
    for (Exit exit : {Exit::kEscape, Exit::kCloseBox, Exit::kEnter}) {
        SCOPED_TRACE(dialogdriver::Name(exit));
        CAboutDlg about(nullptr);
        HWND window = about.Create();
        dialogdriver::Leave(window, exit, dlg::kIdCancel, GetDlgItem(window, dlg::kIdOk));
        EXPECT_NE(about.Result(), CDialogWindow::kNotEnded);
    }
}

TEST(AboutDlg, ShownModallyOkEndsIt) {
    CAboutDlg about(nullptr);
    EXPECT_EQ(dialogdriver::RunModal(about, [](HWND window) { dialogdriver::Click(window, dlg::kIdOk); }), IDOK);
}
