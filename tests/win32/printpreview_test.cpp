#include "app/win32/printpreview.h"

#include <gtest/gtest.h>

#include <string>

#include "app/core/view/printpage.h"
#include "app/win32/kit/printersettings.h"
#include "app/win32/kit/widetext.h"
#include "app/win32/notationprint.h"
#include "win32/kit/inksurface.h"
#include "win32/testgame.h"

namespace {

constexpr CPixelBuffer::Colour kGrey = {128, 128, 128};

std::string TextOf(HWND window) {
    wchar_t text[100] = {};
    GetWindowTextW(window, text, 100);
    return CWideText::Utf8(text);
}

void Pump(HWND preview) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) CPreviewWindow::Route(preview, &message);
}

// A main window for the preview to belong to.
class CPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_owner = CreateWindowExW(0, L"STATIC", L"Torvo", WS_OVERLAPPEDWINDOW, 0, 0, 600, 800, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_owner, nullptr) << GetLastError();
    }
    void TearDown() override { DestroyWindow(m_owner); }

    HWND Create() { return CPrintPreview::Create(m_owner, m_game, "NeuesSpiel", m_printer, nullptr); }

    HWND m_owner = nullptr;
    CTestGame m_game{CTestGame::kMostHalfMoves};
    CPrinterSettings m_printer{CNotationPrint::kPrinterTexts};
};

}  // namespace

TEST_F(CPreviewTest, HasPrintAndCloseButtonsAndClosesOnClose) {
    HWND preview = Create();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(GetWindow(preview, GW_OWNER), m_owner);
    HWND print = GetDlgItem(preview, CPreviewWindow::kPrintButton);
    HWND close = GetDlgItem(preview, CPreviewWindow::kCloseButton);
    ASSERT_NE(print, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(TextOf(print), "Drucken");
    EXPECT_EQ(TextOf(close), "Schliessen");
    // Side by side above the page.
    RECT printPlace, closePlace;
    GetWindowRect(print, &printPlace);
    GetWindowRect(close, &closePlace);
    EXPECT_LE(printPlace.right, closePlace.left);
    POINT pageCorner = {CPreviewWindow::PageRect(preview).left, CPreviewWindow::PageRect(preview).top};
    ClientToScreen(preview, &pageCorner);
    EXPECT_LE(closePlace.bottom, pageCorner.y);

    SendMessageW(close, BM_CLICK, 0, 0);
    Pump(preview);
    EXPECT_FALSE(IsWindow(preview));
}

TEST_F(CPreviewTest, EscapeCloses) {
    for (bool onButton : {true, false}) {
        SCOPED_TRACE(onButton ? "from a button" : "from the window");
        HWND preview = Create();
        ASSERT_NE(preview, nullptr);
        HWND target = onButton ? GetDlgItem(preview, CPreviewWindow::kPrintButton) : preview;
        PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0);
        Pump(preview);
        EXPECT_FALSE(IsWindow(preview));
        if (IsWindow(preview)) DestroyWindow(preview);
    }
}

// Without a printer the preview shows an A4 sheet: white with a shadow on
// grey, the text on it inside the sheet's 20 mm margins, scaled.
TEST_F(CPreviewTest, ShowsAnA4SheetWithTheTextInsideItsMargins) {
    HWND preview = Create();
    ASSERT_NE(preview, nullptr);
    RECT client;
    GetClientRect(preview, &client);
    const RECT page = CPreviewWindow::PageRect(preview);
    const int pageWidth = page.right - page.left, pageHeight = page.bottom - page.top;
    ASSERT_GT(pageWidth, 100);
    EXPECT_NEAR(pageWidth * 297.0 / pageHeight, 210.0, 1.5);
    EXPECT_GE(page.left, 0);
    EXPECT_LE(page.right, client.right);
    EXPECT_LE(page.bottom, client.bottom);

    CInkSurface surface(client.right, client.bottom);
    SendMessageW(preview, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT);
    const CPixelBuffer pixels = surface.Pixels();
    // Grey above and left of the sheet, the shadow below its right corner.
    EXPECT_TRUE(pixels.Pixel(page.left - 1, page.top + pageHeight / 2) == kGrey);
    EXPECT_TRUE(pixels.Pixel(page.left + pageWidth / 2, page.top - 1) == kGrey);
    EXPECT_TRUE(pixels.Pixel(page.right + 1, page.bottom + 1) != kGrey);
    EXPECT_TRUE(pixels.Pixel(page.right + 1, page.bottom + 1) != CPixelBuffer::kWhite);
    // The text lies inside the margins, scaled to the sheet's size on screen.
    const int margin = pageWidth * CPrintPage::kMarginMillimetres / CPrintPage::kA4WidthMillimetres;
    const CInkSurface::Box ink =
        CInkSurface::InkBox(pixels, CPixelBuffer::kWhite, page.left, page.top, page.right, page.bottom);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, page.left + margin - 1);
    EXPECT_GE(ink.top, page.top + margin - 1);
    EXPECT_LE(ink.right, page.right - margin + 1);
    // The longest line reaches across most of the width between the margins.
    EXPECT_GT(ink.right, page.left + margin + (pageWidth - 2 * margin) * 75 / 100);
    // Nine lines on an A4 sheet: the text stays in the upper half.
    EXPECT_LT(ink.bottom, page.top + pageHeight / 2);
    DestroyWindow(preview);
}

// Show is modal: the main window takes no input while the preview is up,
// and has it back when Show returns.
TEST_F(CPreviewTest, ShowDisablesTheOwnerUntilClosed) {
    static HWND owner;
    static bool ownerWasDisabled;
    static bool previewWasUp;
    owner = m_owner;
    ownerWasDisabled = previewWasUp = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        HWND preview = FindWindowW(CPreviewWindow::kClassName, nullptr);
        previewWasUp = preview != nullptr;
        ownerWasDisabled = !IsWindowEnabled(owner);
        if (preview) PostMessageW(preview, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    ASSERT_NE(timer, 0u);
    CPrintPreview::Show(m_owner, m_game, "NeuesSpiel", m_printer);
    EXPECT_TRUE(previewWasUp);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(m_owner));
    EXPECT_EQ(FindWindowW(CPreviewWindow::kClassName, nullptr), nullptr);
}
