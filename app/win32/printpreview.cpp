#include "app/win32/printpreview.h"

#include "app/core/frame/mainframetexts.h"
#include "app/win32/notationprint.h"
#include "app/win32/kit/printersettings.h"
#include "app/win32/kit/widetext.h"

namespace {

// The bar with the buttons above the page, and the grey around the sheet.
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

CPrintPreview::CPrintPreview(HWND owner, CGameFacade& facade, const char* documentTitle,
                             CPrinterSettings& printer, HDC paperDc)
    : m_owner(owner), m_facade(facade), m_title(documentTitle), m_printer(printer) {
    Record(paperDc);
}

CPrintPreview::~CPrintPreview() {
    if (m_page) DeleteEnhMetaFile(m_page);
}

void CPrintPreview::RegisterOnce() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    // No background brush: the paint covers the whole client area.
    registered = RegisterClassExW(&windowClass) != 0;
}

void CPrintPreview::Record(HDC paperDc) {
    HDC screen = nullptr;
    HDC reference = paperDc;
    if (paperDc) {
        m_paper = CNotationPrint::PaperOf(paperDc);
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
        CNotationPrint::DrawPage(recorder, m_facade, m_paper);
        m_page = CloseEnhMetaFile(recorder);
    }
    if (screen) ReleaseDC(nullptr, screen);
}

HWND CPrintPreview::Create(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer,
                           HDC paperDc) {
    RegisterOnce();
    CPrintPreview* preview = new CPrintPreview(owner, facade, documentTitle, printer, paperDc);
    const std::string caption = std::string(documentTitle) + CMainFrameTexts::kCaptionSeparator +
                                CMainFrameTexts::Tooltip(cmd::kFilePrintPreview);
    // Over the whole of the main window, as the preview takes its place.
    RECT place = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
    bool overOwner = owner && GetWindowRect(owner, &place);
    HWND window = CreateWindowExW(0, kClassName, CWideText::Wide(caption).c_str(), WS_OVERLAPPEDWINDOW,
                                  place.left, place.top, overOwner ? place.right - place.left : CW_USEDEFAULT,
                                  overOwner ? place.bottom - place.top : CW_USEDEFAULT, owner, nullptr,
                                  GetModuleHandleW(nullptr), preview);
    // WM_NCCREATE took the preview; without a window nobody else will.
    if (!window) {
        delete preview;
        return nullptr;
    }
    ShowWindow(window, SW_SHOW);
    SetFocus(preview->m_close);
    return window;
}

void CPrintPreview::Show(HWND owner, CGameFacade& facade, const char* documentTitle, CPrinterSettings& printer) {
    HDC paperDc = printer.CurrentPrinter();
    HWND window = Create(owner, facade, documentTitle, printer, paperDc);
    if (paperDc) DeleteDC(paperDc);
    if (!window) return;
    // Modal: the main window's commands would change or replace the game
    // the preview shows, so it takes no input until the preview is gone.
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        reinterpret_cast<CPrintPreview*>(GetWindowLongPtrW(window, GWLP_USERDATA))->m_ownerDisabled = true;
    }
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

void CPrintPreview::Route(HWND preview, MSG* message) {
    if (IsWindow(preview) && IsDialogMessageW(preview, message)) return;
    TranslateMessage(message);
    DispatchMessageW(message);
}

RECT CPrintPreview::PageRect(HWND preview) {
    const CPrintPreview* self = reinterpret_cast<const CPrintPreview*>(GetWindowLongPtrW(preview, GWLP_USERDATA));
    if (!self) return RECT{0, 0, 0, 0};
    return ToRect(self->Page());
}

CPrintPage::Rect CPrintPreview::Page() const {
    RECT client;
    GetClientRect(m_window, &client);
    const CPrintPage::Rect space = {kGap, kBarHeight + kGap, client.right - 2 * kGap - kShadow,
                                    client.bottom - kBarHeight - 2 * kGap - kShadow};
    return CPrintPage::Fit(m_paper, space);
}

void CPrintPreview::PlaceButtons() {
    const int top = (kBarHeight - kButtonHeight) / 2;
    MoveWindow(m_print, kGap, top, kButtonWidth, kButtonHeight, TRUE);
    MoveWindow(m_close, 2 * kGap + kButtonWidth, top, kButtonWidth, kButtonHeight, TRUE);
}

void CPrintPreview::Paint(HDC dc) {
    RECT client;
    GetClientRect(m_window, &client);
    FillColour(dc, client, kBackground);
    const RECT page = ToRect(Page());
    if (page.right <= page.left || page.bottom <= page.top) return;
    const RECT shadow = {page.left + kShadow, page.top + kShadow, page.right + kShadow, page.bottom + kShadow};
    FillColour(dc, shadow, kShadowColour);
    FillColour(dc, page, kSheetColour);
    if (m_page) PlayEnhMetaFile(dc, m_page, &page);
}

void CPrintPreview::Close() {
    // The owner first, so that it gets the activation back rather than
    // some other program's window.
    if (m_ownerDisabled) {
        EnableWindow(m_owner, TRUE);
        m_ownerDisabled = false;
    }
    DestroyWindow(m_window);
}

LRESULT CALLBACK CPrintPreview::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CPrintPreview* self = reinterpret_cast<CPrintPreview*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<CPrintPreview*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        delete self;
        return result;
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT CPrintPreview::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            HINSTANCE instance = GetModuleHandleW(nullptr);
            const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
            m_print = CreateWindowExW(0, L"BUTTON", CWideText::Wide(kPrintText).c_str(), style | BS_PUSHBUTTON, 0,
                                      0, 0, 0, m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPrintButton)),
                                      instance, nullptr);
            m_close = CreateWindowExW(0, L"BUTTON", CWideText::Wide(kCloseText).c_str(), style | BS_PUSHBUTTON, 0,
                                      0, 0, 0, m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCloseButton)),
                                      instance, nullptr);
            if (!m_print || !m_close) return -1;
            const WPARAM font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
            SendMessageW(m_print, WM_SETFONT, font, FALSE);
            SendMessageW(m_close, WM_SETFONT, font, FALSE);
            PlaceButtons();
            return 0;
        }
        case WM_SIZE:
            // The page is fitted to the new size as a whole.
            InvalidateRect(m_window, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(m_window, &paint);
            Paint(dc);
            EndPaint(m_window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kPrintButton) {
                CNotationPrint::Print(m_window, m_facade, m_title.c_str(), m_printer);
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
    return DefWindowProcW(m_window, message, wParam, lParam);
}
