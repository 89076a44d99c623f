// A flat toolbar control with tooltips whose buttons show pictures cut from
// one strip bitmap, each button a command id and the picture's index in the
// strip. It is laid out by whoever holds it (no alignment of its own).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/core/frame/screenscale.h"

class CImageToolbar {
public:
    struct Button {
        int id;       // kGap for the gap between two groups
        int picture;  // its index in the strip
    };
    static constexpr int kGap = 0;

    CImageToolbar() = default;
    ~CImageToolbar();
    CImageToolbar(const CImageToolbar&) = delete;
    CImageToolbar& operator=(const CImageToolbar&) = delete;

    // The bar as a child of parent with the child window id `id`. The strip
    // holds `pictures` pictures of pictureSize side by side, maskColour their
    // background; it stays the caller's. The pictures are drawn for 96 dpi
    // and shown at dpi's scale. False when the bar could not be made.
    bool Create(HWND parent, int id, HBITMAP strip, SIZE pictureSize, int pictures, COLORREF maskColour,
                const std::vector<Button>& buttons, int dpi = CScreenScale::kBaseDpi);
    // The buttons' pictures from a strip as Create takes it, at dpi's scale:
    // each pixel grows to a block of whole pixels, never blurred.
    void SetPictures(HBITMAP strip, SIZE pictureSize, int pictures, COLORREF maskColour, int dpi);
    HWND Hwnd() const { return m_bar; }

    // A tooltip asking for its text (TTN_GETDISPINFOW) gets text(its
    // button's id), kept while it shows; false for other notifications.
    bool OnToolTip(const NMHDR& header, const std::function<std::string(int)>& text);
    // The pointer moving over this bar's buttons (TBN_HOTITEMCHANGE): the
    // button now under it, or *leaving when it left them; false for other
    // notifications.
    bool OnHotItem(const NMHDR& header, bool* leaving, int* id) const;

private:
    HWND m_bar = nullptr;
    std::wstring m_toolTip;
    HIMAGELIST m_images = nullptr;
};
