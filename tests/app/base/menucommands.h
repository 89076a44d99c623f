// Every command the main menu offers, for the tables that must agree with it.
#pragma once

#include <set>

#include "app/core/base/mainframetexts.h"

inline std::set<int> MenuCommands() {
    std::set<int> ids;
    for (int m = 0; m < CMainFrameTexts::kMenuCount; ++m)
        for (int i = 0; i < CMainFrameTexts::kMenus[m].count; ++i)
            if (CMainFrameTexts::kMenus[m].items[i].id != CMainFrameTexts::kSeparator)
                ids.insert(CMainFrameTexts::kMenus[m].items[i].id);
    return ids;
}
