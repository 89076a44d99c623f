#include "app/win32/kit/dialogwindow.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "app/core/dialogs/dialogfit.h"
#include "app/win32/kit/accessibleprops.h"
#include "app/win32/kit/scaledbitmap.h"
#include "app/win32/kit/windowdpi.h"

CDialogWindow::CDialogWindow(HWND parent, const DialogLayout& layout)
    : m_parent(parent), m_layout(layout), m_template(layout) {}

CDialogWindow::~CDialogWindow() {
    if (m_window) DestroyWindow(m_window);
}

INT_PTR CDialogWindow::DoModal() {
    m_result = kNotEnded;
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), m_template.Get(), m_parent, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
}

HWND CDialogWindow::Create() {
    if (m_window) return m_window;
    m_result = kNotEnded;
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), m_template.Get(), m_parent, DialogProc,
                                      reinterpret_cast<LPARAM>(this));
}

void CDialogWindow::End(INT_PTR result) {
    m_result = result;
    EndDialog(m_window, result);
}

INT_PTR CALLBACK CDialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialogWindow*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->m_window = window;
        self->ShowPictures();
        self->FitLabels();
        self->NameFields();
        self->CentreOnParent();
        return self->OnInitDialog() ? TRUE : FALSE;
    }
    auto* self = reinterpret_cast<CDialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
        case WM_COMMAND:
            self->OnCommand(self->Pressed(LOWORD(wParam)), HIWORD(wParam));
            return TRUE;
        case WM_DESTROY:
            self->FreePictures();
            self->m_window = nullptr;
            SetWindowLongPtrW(window, DWLP_USER, 0);
            return FALSE;
        default:
            return FALSE;
    }
}

int CDialogWindow::Pressed(int id) const {
    if (m_layout.Find(id)) return id;
    if (id == IDOK) return m_layout.EnterId();
    if (id == IDCANCEL) return m_layout.EscapeId();
    return id;
}

void CDialogWindow::CentreOnParent() {
    RECT own;
    GetWindowRect(m_window, &own);
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT around = area;
    if (m_parent) GetWindowRect(m_parent, &around);
    const LONG width = own.right - own.left;
    const LONG height = own.bottom - own.top;
    LONG x = around.left + (around.right - around.left - width) / 2;
    LONG y = around.top + (around.bottom - around.top - height) / 2;
    // Kept on the screen when the parent is near its edge.
    x = std::max(area.left, std::min(x, area.right - width));
    y = std::max(area.top, std::min(y, area.bottom - height));
    SetWindowPos(m_window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialogWindow::ShowPictures() {
    // The controls stand in the order of the table's rows; statics share one
    // id, so the rows are matched by place, not by id.
    HWND control = GetWindow(m_window, GW_CHILD);
    for (int i = 0; i < m_layout.count && control; ++i, control = GetWindow(control, GW_HWNDNEXT)) {
        const DialogControl& row = m_layout.controls[i];
        if (row.kind == ControlKind::kPicture) {
            HBITMAP bitmap = PictureNamed(row.text);
            if (!bitmap) continue;
            if (HBITMAP scaled = GrownAsTheUnits(bitmap)) {
                DeleteObject(bitmap);
                bitmap = scaled;
            }
            m_bitmaps.push_back(bitmap);
            SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        } else if (row.kind == ControlKind::kIcon) {
            HICON icon = IconNamed(row.text);
            if (icon) SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        }
    }
}

HBITMAP CDialogWindow::GrownAsTheUnits(HBITMAP bitmap) {
    // The layout grows with the dialog's font, which comes in whole pixels
    // and so does not grow exactly with the scale (x1.86 at 200 % with the
    // usual font): a picture grown by the scale itself would outgrow the
    // frame drawn around it. The units at 96 dpi come from the same font
    // made for 96 dpi, measured as the system measures dialog units.
    const int dpi = CWindowDpi::Of(m_window);
    BITMAP info;
    if (dpi == USER_DEFAULT_SCREEN_DPI || !GetObjectW(bitmap, sizeof info, &info)) return nullptr;
    RECT units = {0, 0, 4, 8};
    MapDialogRect(m_window, &units);
    LOGFONTW face;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0));
    if (!font || !GetObjectW(font, sizeof face, &face)) return CScaledBitmap::ForDpi(bitmap, dpi);
    face.lfHeight = MulDiv(face.lfHeight, USER_DEFAULT_SCREEN_DPI, dpi);
    HFONT baseFont = CreateFontIndirectW(&face);
    HDC dc = GetDC(m_window);
    HGDIOBJ old = SelectObject(dc, baseFont);
    TEXTMETRICW metrics = {};
    SIZE letters = {};
    static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const bool measured = GetTextMetricsW(dc, &metrics) &&
                          GetTextExtentPoint32W(dc, kLetters, static_cast<int>(std::size(kLetters) - 1), &letters);
    SelectObject(dc, old);
    ReleaseDC(m_window, dc);
    DeleteObject(baseFont);
    const int baseX = (letters.cx / 26 + 1) / 2, baseY = metrics.tmHeight;
    if (!measured || baseX <= 0 || baseY <= 0) return CScaledBitmap::ForDpi(bitmap, dpi);
    // One factor for both sides keeps the squares square; the smaller one
    // keeps the picture inside its room.
    const bool byWidth = units.right * baseY <= units.bottom * baseX;
    const int now = byWidth ? units.right : units.bottom, before = byWidth ? baseX : baseY;
    const int width = MulDiv(info.bmWidth, now, before), height = MulDiv(info.bmHeight, now, before);
    if (width == info.bmWidth && height == info.bmHeight) return nullptr;
    return CScaledBitmap::Stretched(bitmap, width, height);
}

int CDialogWindow::LabelWidth(HWND control, ControlKind kind) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, &text[0], length + 1)));
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, 0, 0};
    const UINT prefix = kind == ControlKind::kText ? 0 : DT_NOPREFIX;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE | prefix);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    int width = rect.right - rect.left;
    // A check box or radio button draws its mark and a gap before the text,
    // at the scale of the dialog's monitor.
    if (kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton) {
        const int dpi = CWindowDpi::Of(control);
        width += CWindowDpi::Metric(SM_CXMENUCHECK, dpi) + 2 * CWindowDpi::Metric(SM_CXEDGE, dpi);
    }
    return width;
}

void CDialogWindow::NameFields() {
    // Windows finds a text right before a field by itself, not the group
    // box drawn around it; the system's property service carries that name.
    for (int i = 0; i < m_layout.count; ++i) {
        const char* label = m_layout.LabelOf(i);
        if (label && !CAccessibleProps::SetName(Item(m_layout.controls[i].id), label)) return;
    }
}

void CDialogWindow::FitLabels() {
    RECT margin = {CDialogFit::kMarginUnits, 0, 0, 0};
    MapDialogRect(m_window, &margin);
    HWND control = GetWindow(m_window, GW_CHILD);
    for (int i = 0; i < m_layout.count && control; ++i, control = GetWindow(control, GW_HWNDNEXT)) {
        const ControlKind kind = m_layout.controls[i].kind;
        if (!CDialogFit::HasLabel(kind)) continue;
        RECT own;
        GetWindowRect(control, &own);
        MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&own), 2);
        RECT client;
        GetClientRect(m_window, &client);
        const CDialogFit::Widths widths =
            CDialogFit::Widen(own.left, own.right - own.left, LabelWidth(control, kind), client.right, margin.left);
        if (widths.control != own.right - own.left)
            SetWindowPos(control, nullptr, 0, 0, widths.control, own.bottom - own.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (widths.client != client.right) {
            RECT frame;
            GetWindowRect(m_window, &frame);
            SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left + widths.client - client.right,
                         frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void CDialogWindow::FreePictures() {
    for (HBITMAP bitmap : m_bitmaps) DeleteObject(bitmap);
    m_bitmaps.clear();
}
