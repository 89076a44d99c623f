#include "app/win32/kit/menutable.h"

#include "app/win32/kit/widetext.h"

namespace {

void Insert(HMENU menu, UINT position, const CMenuTable::Item& item) {
    if (item.kind == CMenuTable::Item::kSeparator) {
        InsertMenuW(menu, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        return;
    }
    const UINT greyed = item.kind == CMenuTable::Item::kGreyed ? MF_GRAYED : 0;
    InsertMenuW(menu, position, MF_BYPOSITION | MF_STRING | greyed, static_cast<UINT_PTR>(item.id),
                CWideText::Wide(item.text).c_str());
}

}  // namespace

HMENU CMenuTable::CreateBar(const std::vector<Popup>& popups) {
    HMENU bar = CreateMenu();
    for (const Popup& popup : popups) {
        HMENU menu = CreatePopupMenu();
        for (const Item& item : popup.items) Insert(menu, static_cast<UINT>(GetMenuItemCount(menu)), item);
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), CWideText::Wide(popup.title).c_str());
    }
    return bar;
}

void CMenuTable::Replace(HMENU menu, int firstId, int lastId, int position, const std::vector<Item>& items) {
    for (int id = firstId; id <= lastId; ++id) DeleteMenu(menu, static_cast<UINT>(id), MF_BYCOMMAND);
    UINT at = static_cast<UINT>(position);
    for (const Item& item : items) Insert(menu, at++, item);
}

void CMenuTable::SetChecks(HMENU menu, const std::function<bool(int)>& hasCheck,
                           const std::function<bool(int)>& checked) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const int id = static_cast<int>(GetMenuItemID(menu, i));
        if (hasCheck(id))
            CheckMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (checked(id) ? MF_CHECKED : MF_UNCHECKED));
    }
}
