#include "app/win32/kit/windowdpi.h"

#include <initializer_list>

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForSystem = UINT(WINAPI*)();
using MetricsForDpi = int(WINAPI*)(int, UINT);
using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using ParametersForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// The call from user32 when this system has it.
template <typename Function>
Function User32(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

int ScreenDpi(HWND window) {
    HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(window, dc);
    return dpi;
}

}  // namespace

int CWindowDpi::Of(HWND window) {
    static const DpiForWindow forWindow = User32<DpiForWindow>("GetDpiForWindow");
    if (forWindow && window) {
        if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
    }
    return ScreenDpi(window);
}

int CWindowDpi::System() {
    static const DpiForSystem forSystem = User32<DpiForSystem>("GetDpiForSystem");
    return forSystem ? static_cast<int>(forSystem()) : ScreenDpi(nullptr);
}

int CWindowDpi::Metric(int index, int dpi) {
    static const MetricsForDpi forDpi = User32<MetricsForDpi>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
    // Without per-monitor sizes the system's are those of its own scale.
    return MulDiv(GetSystemMetrics(index), dpi, System());
}

void CWindowDpi::AdjustRect(RECT* rect, DWORD style, bool menu, DWORD exStyle, int dpi) {
    static const AdjustForDpi forDpi = User32<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (forDpi && forDpi(rect, style, menu, exStyle, static_cast<UINT>(dpi))) return;
    AdjustWindowRectEx(rect, style, menu, exStyle);
}

bool CWindowDpi::PartFonts(int dpi, NONCLIENTMETRICSW* metrics) {
    static const ParametersForDpi forDpi = User32<ParametersForDpi>("SystemParametersInfoForDpi");
    *metrics = {};
    metrics->cbSize = sizeof *metrics;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof *metrics, metrics, 0, static_cast<UINT>(dpi))) return true;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof *metrics, metrics, 0)) return false;
    const int system = System();
    for (LOGFONTW* font : {&metrics->lfCaptionFont, &metrics->lfSmCaptionFont, &metrics->lfMenuFont,
                           &metrics->lfStatusFont, &metrics->lfMessageFont})
        font->lfHeight = MulDiv(font->lfHeight, dpi, system);
    return true;
}
