// Finds the program's pictures: the toolbar strip, the icons and the named
// bitmaps, in the installed data folder or in the source tree's res/.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>
#include <wx/string.h>

class CResources {
public:
    static constexpr const char* kDirVariable = "TORVO_RES_DIR";
    static constexpr const char* kToolbarStrip = "toolbar.bmp";
    static constexpr int kToolbarButtonWidth = 16;
    static constexpr int kToolbarButtonHeight = 15;

    // Full path of a resource file, matched without regard to case; empty when missing.
    static wxString Find(const wxString& fileName);
    // A named picture ("KOORD", "konigw"), as .bmp or .png; invalid when missing.
    static wxBitmap LoadBitmap(const wxString& name);
    // The seven toolbar pictures in button order; art-provider stand-ins while
    // the strip is missing.
    static wxBitmap ToolbarPicture(int index, int commandId);
    // The program's icon in every size found (torvo-<size>.png).
    static wxIconBundle ProgramIcons();
};
