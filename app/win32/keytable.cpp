#include "app/win32/keytable.h"

#include "app/core/base/mainframetexts.h"
#include "app/win32/kit/acceleratortable.h"

namespace {

std::vector<CAcceleratorTable::Binding> Bindings() {
    std::vector<CAcceleratorTable::Binding> bindings;
    for (int i = 0; i < CMainFrameTexts::kKeyCount; ++i)
        bindings.push_back({CMainFrameTexts::kKeys[i].keys, CMainFrameTexts::kKeys[i].id});
    return bindings;
}

}  // namespace

std::vector<ACCEL> CKeyTable::Entries() { return CAcceleratorTable::Entries(Bindings()); }

HACCEL CKeyTable::Create() { return CAcceleratorTable::Create(Bindings()); }
