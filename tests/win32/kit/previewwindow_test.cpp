#include "app/win32/kit/previewwindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "win32/kit/inksurface.h"

namespace {

constexpr COLORREF kInk = RGB(0, 0, 255);
constexpr CPixelBuffer::Colour kInkColour = {0, 0, 255};

// What the preview asked of its page; kept by the test, as the preview
// owns the page.
struct PageLog {
    int draws = 0;
    CPrintPage::Paper paper = {};
    std::vector<HWND> prints;
    bool gone = false;
};

// A page that covers its whole sheet in one colour.
class CFilledPage : public CPreviewWindow::Page {
public:
    explicit CFilledPage(PageLog& log) : m_log(log) {}
    ~CFilledPage() override { m_log.gone = true; }

    void Draw(HDC dc, const CPrintPage::Paper& paper) override {
        ++m_log.draws;
        m_log.paper = paper;
        const RECT sheet = {0, 0, paper.width, paper.height};
        HBRUSH brush = CreateSolidBrush(kInk);
        FillRect(dc, &sheet, brush);
        DeleteObject(brush);
    }
    void Print(HWND preview) override { m_log.prints.push_back(preview); }

private:
    PageLog& m_log;
};

HWND Create(PageLog& log) {
    return CPreviewWindow::Create(nullptr, std::make_unique<CFilledPage>(log), {"Vorschau", "Print", "Close"}, nullptr);
}

void Pump(HWND preview) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) CPreviewWindow::Route(preview, &message);
}

}  // namespace

TEST(PreviewWindow, EitherButtonClosesItAndLetsThePageGoOnlyDruckenPrints) {
    struct Case {
        int button;
        size_t prints;
    };
    for (const Case& c : {Case{CPreviewWindow::kPrintButton, 1}, Case{CPreviewWindow::kCloseButton, 0}}) {
        SCOPED_TRACE(c.button);
        PageLog log;
        HWND preview = Create(log);
        ASSERT_NE(preview, nullptr);
        SendMessageW(GetDlgItem(preview, c.button), BM_CLICK, 0, 0);
        Pump(preview);
        ASSERT_EQ(log.prints.size(), c.prints);
        for (HWND over : log.prints) EXPECT_EQ(over, preview) << "printed over the preview";
        EXPECT_FALSE(IsWindow(preview));
        EXPECT_TRUE(log.gone);
    }
}

// Without a printer: an A4 sheet, drawn once from its corner and played
// back onto the page exactly at every paint.
TEST(PreviewWindow, ThePageIsRecordedOnceAndCoversTheSheetShownExactly) {
    PageLog log;
    HWND preview = Create(log);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(log.draws, 1);
    EXPECT_EQ(log.paper.offsetX, 0);
    EXPECT_EQ(log.paper.offsetY, 0);
    EXPECT_NEAR(log.paper.width * 297.0 / log.paper.height, 210.0, 1.5);

    RECT client;
    GetClientRect(preview, &client);
    const RECT page = CPreviewWindow::PageRect(preview);
    ASSERT_GT(page.right - page.left, 100);
    CInkSurface surface(client.right, client.bottom);
    SendMessageW(preview, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT);
    SendMessageW(preview, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT);
    EXPECT_EQ(log.draws, 1);
    const CPixelBuffer pixels = surface.Pixels();
    const int middleX = (page.left + page.right) / 2, middleY = (page.top + page.bottom) / 2;
    // A pixel of rounding at each edge, no more.
    EXPECT_TRUE(pixels.Pixel(page.left + 1, page.top + 1) == kInkColour);
    EXPECT_TRUE(pixels.Pixel(page.right - 2, page.bottom - 2) == kInkColour);
    EXPECT_TRUE(pixels.Pixel(page.left - 2, middleY) != kInkColour);
    EXPECT_TRUE(pixels.Pixel(middleX, page.top - 2) != kInkColour);
    EXPECT_TRUE(pixels.Pixel(page.right + 1, middleY) != kInkColour);
    EXPECT_TRUE(pixels.Pixel(middleX, page.bottom + 1) != kInkColour);
    DestroyWindow(preview);
    EXPECT_TRUE(log.gone);
}

// Moved onto a monitor at twice the scale: the window takes the place the
// system suggests, its buttons and the bar above the page grow with it.
TEST(PreviewWindow, OnAMonitorOfTwiceTheScaleItsButtonsAndBarGrow) {
    PageLog log;
    HWND preview = Create(log);
    ASSERT_NE(preview, nullptr);
    auto buttonRect = [preview] {
        RECT rect;
        GetWindowRect(GetDlgItem(preview, CPreviewWindow::kCloseButton), &rect);
        MapWindowPoints(nullptr, preview, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const RECT button = buttonRect();
    const RECT page = CPreviewWindow::PageRect(preview);
    RECT suggested = {10, 20, 810, 620};
    SendMessageW(preview, WM_DPICHANGED, MAKEWPARAM(2 * 96, 2 * 96), reinterpret_cast<LPARAM>(&suggested));
    RECT window;
    GetWindowRect(preview, &window);
    EXPECT_TRUE(EqualRect(&window, &suggested));
    const RECT grown = buttonRect();
    EXPECT_EQ(grown.right - grown.left, 2 * (button.right - button.left));
    EXPECT_EQ(grown.bottom - grown.top, 2 * (button.bottom - button.top));
    EXPECT_EQ(grown.left, 2 * button.left);
    EXPECT_EQ(grown.top, 2 * button.top);
    // The page stays below the grown bar.
    EXPECT_GT(page.top, button.bottom);
    EXPECT_GT(CPreviewWindow::PageRect(preview).top, grown.bottom);
    DestroyWindow(preview);
}
