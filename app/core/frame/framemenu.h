// The menus and the toolbar as both shells build them from the tables of
// CMainFrameTexts: each item with its kind and prompt, the recent files (or
// the greyed "Letzte Datei" while there are none) at their place in the file
// menu, and each button with its picture out of the toolbar's strip.
#pragma once

#include <string>
#include <vector>

#include "app/core/picture/pixelbuffer.h"

class CRecentFiles;

struct MenuEntry {
    enum Kind { kCommand, kCheck, kSeparator, kGreyed };
    Kind kind;
    int id;
    std::string text;
    std::string prompt;  // the status bar's text while it is pointed at
};

struct ToolButton {
    int id;       // CMainFrameTexts::kSeparator for a gap between groups
    int picture;  // the button's picture in the strip
    std::string tooltip;
    std::string prompt;
};

class CFrameMenu {
public:
    static constexpr int kFileMenu = 0;

    // The items of menu `menu` (an index of CMainFrameTexts::kMenus) as it shows now.
    static std::vector<MenuEntry> Entries(int menu, const CRecentFiles& recent);
    // The recent files' items, which the menu replaces whenever the list changes.
    static std::vector<MenuEntry> RecentEntries(const CRecentFiles& recent);
    // Their place in the file menu, counted in items.
    static int RecentPosition();
    static bool IsRecentFile(int id);
    // The bars' items, which show whether their bar is shown.
    static bool IsCheckItem(int id);

    static std::vector<ToolButton> Buttons();

    // The buttons' pictures lie side by side in one built-in strip, on a
    // silver background that is left out around each.
    static constexpr const char* kToolbarStrip = "toolbar";
    static constexpr int kPictureCount = 7;
    static constexpr int kButtonWidth = 16;
    static constexpr int kButtonHeight = 15;
    static constexpr CPixelBuffer::Colour kStripBackground = {192, 192, 192};
    // The picture `picture` of a button cut out of the strip; false when the
    // strip is too small to hold it.
    static bool ButtonPicture(const CPixelBuffer& strip, int picture, CPixelBuffer* out);
};
