// The program's pictures for the toolkit: the toolbar strip, the program icon
// and named bitmaps, all taken from the pictures built into the program.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>
#include <wx/string.h>

class CResources {
public:
    static constexpr const char* kToolbarStrip = "toolbar";
    static constexpr int kToolbarButtonWidth = 16;
    static constexpr int kToolbarButtonHeight = 15;

    // A named picture ("KOORD", "konigw", "torvo-32"), a bitmap or a PNG,
    // looked up without regard to case; invalid when there is none.
    static wxBitmap LoadBitmap(const wxString& name);
    // The seven toolbar pictures in button order, with the strip's silver
    // background transparent; art-provider stand-ins if the strip were missing.
    static wxBitmap ToolbarPicture(int index, int commandId);
    // The program's icon in every size it is drawn in.
    static wxIconBundle ProgramIcons();
};
