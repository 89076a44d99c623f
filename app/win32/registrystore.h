// The settings store of the Windows program: the kit's registry settings
// under "Software\Halvorn IT\torvo".
#pragma once

#include <string>

#include "app/win32/kit/registrysettings.h"

class CRegistryStore : public CRegistrySettings {
public:
    // The program's own key below HKEY_CURRENT_USER; tests pass another.
    explicit CRegistryStore(std::string key = DefaultKey());
    static std::string DefaultKey();
};
