// What the file dialogs offer, the same in both programs: the filters in
// their order, and the folder the save dialog opens in.
#pragma once

#include <string>

class CFileChoice {
public:
    struct Filter {
        const char* name;     // as the dialog's list shows it
        const char* pattern;  // one file-name pattern
    };
    // Our games first, then every file. "*" and not "*.*": the Linux
    // dialog would take "*.*" for names with a dot only; Windows reads both alike.
    static const Filter kFilters[];
    static const int kFilterCount;

    // Saving starts in the folder of the game's file (`current`); empty for
    // a game without a file, where the dialog opens in the folder the
    // program's dialogs used last.
    static std::string SaveFolder(const std::string& current);
};
