#include "app/win32/kit/previewwindow.h"

#include <utility>

#include "app/core/frame/screenscale.h"
#include "app/win32/kit/printersettings.h"
#include "app/win32/kit/widetext.h"
#include "app/win32/kit/windowdpi.h"

namespace {

// The bar with the buttons above the page, and the grey around the sheet,
// at 96 dpi.
constexpr int kBarHeight = 36;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 24;
constexpr int kGap = 8;
constexpr int kShadow = 4;
constexpr COLORREF kBackground = RGB(128, 128, 128);
constexpr COLORREF kShadowColour = RGB(64, 64, 64);
constexpr COLORREF kSheetColour = RGB(255, 255, 255);
// A metafile's frame is in hundredths of a millimetre.
constexpr int kFrameUnitsPerMillimetre = 100;

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

RECT ToRect(const CPrintPage::Rect& rect) {
    return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

}  // namespace

CPreviewWindow::CPreviewWindow(HWND owner, std::unique_ptr<Page> page, const Labels& labels, HDC paperDc)
    : m_owner(owner), m_page(std::move(page)), m_labels(labels) {
    Record(paperDc);
}

CPreviewWindow::~CPreviewWindow() {
    if (m_recorded) DeleteEnhMetaFile(m_recorded);
    if (m_font) DeleteObject(m_font);
}

int CPreviewWindow::Scaled(int pixels) const { return CScreenScale::Pixels(pixels, m_dpi); }

void CPreviewWindow::SetDpi(int dpi) {
    m_dpi = dpi;
    NONCLIENTMETRICSW metrics;
    HFONT font = CWindowDpi::PartFonts(dpi, &metrics) ? CreateFontIndirectW(&metrics.lfMessageFont) : nullptr;
    const WPARAM shown = reinterpret_cast<WPARAM>(font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(m_print, WM_SETFONT, shown, TRUE);
    SendMessageW(m_close, WM_SETFONT, shown, TRUE);
    if (m_font) DeleteObject(m_font);
    m_font = font;
    PlaceButtons();
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void CPreviewWindow::Record(HDC paperDc) {
    HDC screen = nullptr;
    HDC reference = paperDc;
    if (paperDc) {
        m_paper = CPrinterSettings::PaperOf(paperDc);
    } else {
        screen = GetDC(nullptr);
        reference = screen;
        m_paper = CPrintPage::Sheet(CPrintPage::kA4WidthMillimetres, CPrintPage::kA4HeightMillimetres,
                                    GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
    }
    // The metafile's coordinates are the sheet's, from its corner: the
    // preview shows the paper, not the printer's printable part of it.
    m_paper.offsetX = m_paper.offsetY = 0;
    // The frame covers the whole sheet in the reference device's own
    // millimetres, so that playing it back maps sheet onto page exactly.
    const RECT frame = {0, 0,
                        MulDiv(m_paper.width, GetDeviceCaps(reference, HORZSIZE) * kFrameUnitsPerMillimetre,
                               GetDeviceCaps(reference, HORZRES)),
                        MulDiv(m_paper.height, GetDeviceCaps(reference, VERTSIZE) * kFrameUnitsPerMillimetre,
                               GetDeviceCaps(reference, VERTRES))};
    HDC recorder = CreateEnhMetaFileW(reference, nullptr, &frame, nullptr);
    if (recorder) {
        m_page->Draw(recorder, m_paper);
        m_recorded = CloseEnhMetaFile(recorder);
    }
    if (screen) ReleaseDC(nullptr, screen);
}

CPreviewWindow* CPreviewWindow::Open(HWND owner, std::unique_ptr<Page> page, const Labels& labels, HDC paperDc) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    // No background brush: the paint covers the whole client area.
    if (!RegisterWindowClass(windowClass)) return nullptr;
    auto* preview = new CPreviewWindow(owner, std::move(page), labels, paperDc);
    // Over the whole of the owner, as the preview takes its place.
    RECT place = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
    const bool overOwner = owner && GetWindowRect(owner, &place);
    if (!preview->CreateHwnd(0, kClassName, CWideText::Wide(labels.caption).c_str(), WS_OVERLAPPEDWINDOW, place.left,
                             place.top, overOwner ? place.right - place.left : CW_USEDEFAULT,
                             overOwner ? place.bottom - place.top : CW_USEDEFAULT, owner, nullptr, instance)) {
        delete preview;
        return nullptr;
    }
    preview->m_ownsItself = true;
    ShowWindow(preview->m_hwnd, SW_SHOW);
    SetFocus(preview->m_close);
    return preview;
}

HWND CPreviewWindow::Create(HWND owner, std::unique_ptr<Page> page, const Labels& labels, HDC paperDc) {
    CPreviewWindow* preview = Open(owner, std::move(page), labels, paperDc);
    return preview ? preview->m_hwnd : nullptr;
}

void CPreviewWindow::Show(HWND owner, std::unique_ptr<Page> page, const Labels& labels, CPrinterSettings& printer) {
    HDC paperDc = printer.CurrentPrinter();
    CPreviewWindow* preview = Open(owner, std::move(page), labels, paperDc);
    if (paperDc) DeleteDC(paperDc);
    if (!preview) return;
    // Modal: the owner's commands could change what the page shows, so it
    // takes no input until the preview is gone.
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        preview->m_ownerDisabled = true;
    }
    // From here the preview may go with any message; only its handle is kept.
    HWND window = preview->m_hwnd;
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: the main loop gets the quit too.
            DestroyWindow(window);
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) {
            DestroyWindow(window);
            break;
        }
        Route(window, &message);
    }
}

void CPreviewWindow::Route(HWND preview, MSG* message) {
    if (IsWindow(preview) && IsDialogMessageW(preview, message)) return;
    TranslateMessage(message);
    DispatchMessageW(message);
}

RECT CPreviewWindow::PageRect(HWND preview) {
    const auto* self = dynamic_cast<const CPreviewWindow*>(FromHwnd(preview));
    if (!self) return RECT{0, 0, 0, 0};
    return ToRect(self->Sheet());
}

CPrintPage::Rect CPreviewWindow::Sheet() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int gap = Scaled(kGap), bar = Scaled(kBarHeight), shadow = Scaled(kShadow);
    const CPrintPage::Rect space = {gap, bar + gap, client.right - 2 * gap - shadow,
                                    client.bottom - bar - 2 * gap - shadow};
    return CPrintPage::Fit(m_paper, space);
}

bool CPreviewWindow::CreateButtons() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    m_print = CreateWindowExW(0, L"BUTTON", CWideText::Wide(m_labels.print).c_str(), style, 0, 0, 0, 0, m_hwnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPrintButton)), instance, nullptr);
    m_close = CreateWindowExW(0, L"BUTTON", CWideText::Wide(m_labels.close).c_str(), style, 0, 0, 0, 0, m_hwnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCloseButton)), instance, nullptr);
    if (!m_print || !m_close) return false;
    SetDpi(CWindowDpi::Of(m_hwnd));
    return true;
}

void CPreviewWindow::PlaceButtons() {
    const int gap = Scaled(kGap), width = Scaled(kButtonWidth), height = Scaled(kButtonHeight);
    const int top = (Scaled(kBarHeight) - height) / 2;
    MoveWindow(m_print, gap, top, width, height, TRUE);
    MoveWindow(m_close, 2 * gap + width, top, width, height, TRUE);
}

void CPreviewWindow::Paint(HDC dc) {
    RECT client;
    GetClientRect(m_hwnd, &client);
    FillColour(dc, client, kBackground);
    const RECT page = ToRect(Sheet());
    if (page.right <= page.left || page.bottom <= page.top) return;
    const int offset = Scaled(kShadow);
    const RECT shadow = {page.left + offset, page.top + offset, page.right + offset, page.bottom + offset};
    FillColour(dc, shadow, kShadowColour);
    FillColour(dc, page, kSheetColour);
    if (m_recorded) PlayEnhMetaFile(dc, m_recorded, &page);
}

void CPreviewWindow::Close() {
    // The owner first, so that it gets the activation back rather than
    // some other program's window.
    if (m_ownerDisabled) {
        EnableWindow(m_owner, TRUE);
        m_ownerDisabled = false;
    }
    DestroyWindow(m_hwnd);
}

void CPreviewWindow::OnFinalMessage() {
    if (m_ownsItself) delete this;
}

LRESULT CPreviewWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return CreateButtons() ? 0 : -1;
        case WM_SIZE:
            // The page is fitted to the new size as a whole.
            InvalidateRect(m_hwnd, nullptr, FALSE);
            return 0;
        case WM_DPICHANGED: {
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            SetDpi(CWindowDpi::FromDpiChanged(wParam));
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(m_hwnd, &paint);
            Paint(dc);
            EndPaint(m_hwnd, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kPrintButton) {
                m_page->Print(m_hwnd);
                Close();
                return 0;
            }
            if (LOWORD(wParam) == kCloseButton) {
                Close();
                return 0;
            }
            break;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_DESTROY:
            // Also when the window goes otherwise than by Close.
            if (m_ownerDisabled) EnableWindow(m_owner, TRUE);
            m_ownerDisabled = false;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}
