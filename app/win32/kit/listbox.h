// A list box's lines as UTF-8 texts; in a list that sorts itself, each line
// remembers which of the texts it shows.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

class CListBox {
public:
    static constexpr int kNone = -1;

    // The lines anew, one for each text; each keeps its text's index.
    static void Fill(HWND list, const std::vector<std::string>& texts);
    // The index the selected line keeps; kNone while no line is selected.
    static int SelectedIndex(HWND list);
};
