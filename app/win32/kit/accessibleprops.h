// Annotations of a window's MSAA object through the system's property
// service: a name for a control that has no label before it, the live
// setting of a text that is spoken as it changes. Where the service is
// missing (Wine) nothing is set and false comes back.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

class CAccessibleProps {
public:
    enum Live { kPolite = 1, kAssertive = 2 };

    // The name of the window's own object (OBJID_CLIENT, CHILDID_SELF); UTF-8.
    static bool SetName(HWND window, const std::string& name);
    // The live setting of the window's child element (OBJID_CLIENT, child).
    static bool SetLive(HWND window, LONG child, Live setting);
};
