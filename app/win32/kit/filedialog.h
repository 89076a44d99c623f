// The system's dialogs that ask for a file to open or a name to save as,
// with UTF-8 paths and a list of filters.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

class CFileDialog {
public:
    struct Filter {
        std::string name;     // as the list shows it
        std::string pattern;  // "*.txt"
    };
    static constexpr const char* kAllFilesPattern = "*.*";

    // The filters as the system wants them: name and pattern, each ended by
    // a null, and a second null at the end.
    static std::wstring FilterText(const std::vector<Filter>& filters);
    // save: the save dialog, which asks before overwriting; otherwise the
    // open dialog, for a file that is there. extension: added to a name
    // typed without one, without its dot. folder: where the dialog opens;
    // empty leaves it to the system. False when cancelled.
    static bool Ask(HWND owner, bool save, const std::vector<Filter>& filters, const char* extension,
                    const std::string& folder, const std::string& proposed, std::string* path);
};
