#include "app/win32/kit/menuselection.h"

namespace {

// The flags when the menu closes.
constexpr UINT kMenuClosed = 0xFFFF;
// The low four bits of a system command are the system's own.
constexpr UINT kSystemCommandMask = 0xFFF0;

}  // namespace

CMenuSelection::Pointed CMenuSelection::Decode(WPARAM wParam, LPARAM lParam) {
    const UINT flags = HIWORD(wParam);
    if (flags == kMenuClosed && lParam == 0) return {Kind::kClosed, kNoCommand};
    const UINT item = (flags & (MF_POPUP | MF_SEPARATOR)) ? kNoCommand : LOWORD(wParam);
    if (flags & MF_SYSMENU) return {Kind::kSystemItem, static_cast<int>(item & kSystemCommandMask)};
    return {Kind::kItem, static_cast<int>(item)};
}
