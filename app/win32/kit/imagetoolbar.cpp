#include "app/win32/kit/imagetoolbar.h"

#include "app/win32/kit/scaledbitmap.h"
#include "app/win32/kit/widetext.h"

CImageToolbar::~CImageToolbar() {
    // The bar is its parent's child and goes with it; the pictures are ours.
    if (m_images) ImageList_Destroy(m_images);
}

bool CImageToolbar::Create(HWND parent, int id, HBITMAP strip, SIZE pictureSize, int pictures,
                           COLORREF maskColour, const std::vector<Button>& buttons, int dpi) {
    m_bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                            WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_NORESIZE |
                                CCS_NOPARENTALIGN | CCS_NODIVIDER,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (!m_bar) return false;
    SendMessageW(m_bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetPictures(strip, pictureSize, pictures, maskColour, dpi);
    for (const Button& entry : buttons) {
        TBBUTTON button = {};
        if (entry.id == kGap) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = entry.picture;
            button.idCommand = entry.id;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        SendMessageW(m_bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    return true;
}

void CImageToolbar::SetPictures(HBITMAP strip, SIZE pictureSize, int pictures, COLORREF maskColour, int dpi) {
    if (!m_bar) return;
    const SIZE shown = {CScreenScale::Pixels(pictureSize.cx, dpi), CScreenScale::Pixels(pictureSize.cy, dpi)};
    HIMAGELIST images = ImageList_Create(shown.cx, shown.cy, ILC_COLOR24 | ILC_MASK, pictures, 0);
    if (strip) {
        const bool same = shown.cx == pictureSize.cx && shown.cy == pictureSize.cy;
        HBITMAP scaled = same ? nullptr : CScaledBitmap::Stretched(strip, shown.cx * pictures, shown.cy);
        ImageList_AddMasked(images, scaled ? scaled : strip, maskColour);
        if (scaled) DeleteObject(scaled);
    }
    SendMessageW(m_bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(shown.cx, shown.cy));
    SendMessageW(m_bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageW(m_bar, TB_AUTOSIZE, 0, 0);
    if (m_images) ImageList_Destroy(m_images);
    m_images = images;
}

bool CImageToolbar::OnToolTip(const NMHDR& header, const std::function<std::string(int)>& text) {
    if (header.code != TTN_GETDISPINFOW) return false;
    auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    m_toolTip = CWideText::Wide(text(static_cast<int>(header.idFrom)));
    info.lpszText = &m_toolTip[0];
    return true;
}

bool CImageToolbar::OnHotItem(const NMHDR& header, bool* leaving, int* id) const {
    if (header.code != TBN_HOTITEMCHANGE || !m_bar || header.hwndFrom != m_bar) return false;
    const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
    *leaving = (hot.dwFlags & HICF_LEAVING) != 0;
    *id = hot.idNew;
    return true;
}
