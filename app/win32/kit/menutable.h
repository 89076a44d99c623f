// A menu bar built from plain tables: each menu's title and items (a
// command with its id and text, the key after a tab; a greyed one; a
// separator), a run of items replaced in place when a list changes, and
// the check marks set as a menu opens.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CMenuTable {
public:
    struct Item {
        enum Kind { kCommand, kGreyed, kSeparator };
        Kind kind;
        int id;
        std::string text;  // UTF-8
    };
    struct Popup {
        std::string title;
        std::vector<Item> items;
    };

    // The whole bar; the caller gives it to a window, which destroys it.
    static HMENU CreateBar(const std::vector<Popup>& popups);
    // Takes the items with ids firstId to lastId out of menu and puts
    // `items` in at position.
    static void Replace(HMENU menu, int firstId, int lastId, int position, const std::vector<Item>& items);
    // As a menu opens: the check mark of each item that has one, by its id.
    static void SetChecks(HMENU menu, const std::function<bool(int)>& hasCheck,
                          const std::function<bool(int)>& checked);
};
