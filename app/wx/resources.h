// The program's pictures for the toolkit: the toolbar strip, the program icon
// and named bitmaps, all taken from the pictures built into the program.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>
#include <wx/string.h>

class CResources {
public:
    // A named picture ("KOORD", "konigw", "torvo-32"), a bitmap or a PNG,
    // looked up without regard to case; invalid when there is none.
    static wxBitmap LoadBitmap(const wxString& name);
    // A button's picture out of the toolbar's strip, its background
    // transparent; an art-provider stand-in if the strip were missing.
    static wxBitmap ToolbarPicture(int index, int commandId);
    // The program's icon in every size it is drawn in.
    static wxIconBundle ProgramIcons();
};
