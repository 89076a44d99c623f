#include "app/win32/notationprint.h"

#include <gtest/gtest.h>

#include <cderr.h>

#include <string>
#include <vector>

#include "app/core/view/printpage.h"
#include "app/win32/kit/printersettings.h"
#include "win32/kit/inksurface.h"
#include "app/win32/printpreview.h"
#include "app/win32/kit/widetext.h"
#include "win32/testgame.h"

namespace {

// The message boxes that came up, each closed as soon as it is seen.
std::vector<std::string> g_boxes;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
    wchar_t text[300] = {};
    GetWindowTextW(child, text, 300);
    // The box's text is its one static control without an id.
    if (text[0] && GetDlgCtrlID(child) != IDOK) g_boxes.back() += CWideText::Utf8(text);
    return TRUE;
}

void CALLBACK CloseBoxes(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box) return;
    g_boxes.emplace_back();
    EnumChildWindows(box, CollectText, 0);
    EndDialog(box, IDOK);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

// An A4 sheet at 96 dpi drawn as the printer gets it: the text inside the
// 20 mm margins on all sides, its longest line across the area between them.
TEST(NotationPrint, PageKeepsItsMarginsAndFillsTheWidthBetweenThem) {
    const CPrintPage::Paper paper = CPrintPage::Sheet(CPrintPage::kA4WidthMillimetres,
                                                      CPrintPage::kA4HeightMillimetres, 96, 96);
    const CPrintPage::Rect area = CPrintPage::TextArea(paper);
    CTestGame game(CTestGame::kMostHalfMoves);
    CInkSurface sheet(paper.width, paper.height);
    CNotationPrint::DrawPage(sheet.Dc(), game, paper);
    const CInkSurface::Box ink = sheet.InkBox();
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, area.left);
    EXPECT_GE(ink.top, area.top);
    EXPECT_LT(ink.right, area.left + area.width);
    EXPECT_LT(ink.bottom, area.top + area.height);
    EXPECT_GT(ink.right - area.left, area.width * 80 / 100);
}

// A printer whose printable part starts inside the sheet: its origin is
// there, so the text moves up and left by as much and stays where it is on
// the paper.
TEST(NotationPrint, PrintableOffsetIsTakenOffTheMargin) {
    CPrintPage::Paper paper = CPrintPage::Sheet(CPrintPage::kA4WidthMillimetres,
                                                CPrintPage::kA4HeightMillimetres, 96, 96);
    CTestGame game(4);
    CInkSurface fromCorner(paper.width, paper.height), fromPrintable(paper.width, paper.height);
    CNotationPrint::DrawPage(fromCorner.Dc(), game, paper);
    paper.offsetX = 20;
    paper.offsetY = 10;
    CNotationPrint::DrawPage(fromPrintable.Dc(), game, paper);
    const CInkSurface::Box a = fromCorner.InkBox(), b = fromPrintable.InkBox();
    EXPECT_EQ(b.left, a.left - 20);
    EXPECT_EQ(b.top, a.top - 10);
    EXPECT_EQ(b.right, a.right - 20);
}

TEST(NotationPrint, DialogFailuresAreToldCancelIsNot) {
    const CPrinterSettings printer(CNotationPrint::kPrinterTexts);
    EXPECT_EQ(printer.FailureText(0), "");
    EXPECT_EQ(printer.FailureText(PDERR_NODEFAULTPRN), CMainFrameTexts::kNoPrinterText);
    EXPECT_EQ(printer.FailureText(PDERR_NODEVICES), CMainFrameTexts::kNoPrinterText);
    const std::string other = printer.FailureText(CDERR_MEMALLOCFAILURE);
    EXPECT_NE(other.find(std::to_string(CDERR_MEMALLOCFAILURE)), std::string::npos) << other;
}

// Wine as a rule has no printer: each print command then says so in one
// German message and returns, the preview still shows (an A4 sheet).
TEST(NotationPrint, WithoutAPrinterEachCommandSaysSoOnceAndReturns) {
    if (CPrinterSettings::AnyPrinter()) GTEST_SKIP() << "a printer is installed";
    CTestGame game(4);
    CPrinterSettings printer(CNotationPrint::kPrinterTexts);
    EXPECT_EQ(printer.CurrentPrinter(), nullptr);
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, CloseBoxes);
    ASSERT_NE(timer, 0u);
    g_boxes.clear();
    CNotationPrint::Print(nullptr, game, "NeuesSpiel", printer);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0], CMainFrameTexts::kNoPrinterText);
    g_boxes.clear();
    printer.Setup(nullptr);
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0], CMainFrameTexts::kNoPrinterText);
    g_boxes.clear();
    CNotationPrint::PrintDirect(nullptr, game, "NeuesSpiel", printer);
    EXPECT_EQ(g_boxes.size(), 1u);
    KillTimer(nullptr, timer);
}
