// What the view needs of the frame it lives in: the owner of its boxes and
// dialogs. The status bar's message and the thinking scope are the frame's
// controller's, which the view's controller is attached to.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class IViewFrame {
public:
    virtual ~IViewFrame() = default;

    virtual HWND Hwnd() const = 0;
};
