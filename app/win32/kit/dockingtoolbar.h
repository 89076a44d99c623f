// The frame's toolbar as the user places it: docked at any edge of the
// client area, or floating in a small window of its own. It is dragged by
// its empty part (the room beside its buttons, or the grip of the floating
// bar); a double-click on the floating bar's grip docks it at the top.
// The floating window is this object's own; the bar itself stays the
// frame's toolbar control, subclassed.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/frame/docklayout.h"
#include "app/win32/kit/basewindow.h"

class CDockingToolbar : private CBaseWindow {
public:
    static constexpr const wchar_t* kFloatClassName = L"KitToolbarFloat";

    static bool RegisterClass(HINSTANCE instance);

    // Takes over a toolbar made as a child of frame, docked at the top.
    bool Attach(HWND frame, HWND toolbar);
    void Detach();

    // Places the docked bar in client (the frame's client area above the
    // status bar); returns what is left for the view.
    CDockLayout::Rect Arrange(const CDockLayout::Rect& client);

    bool IsShown() const;
    void SetShown(bool shown);
    // Docks the bar at an edge, or floats it with its grip at the screen point.
    void MoveTo(CDockLayout::Place place, POINT screen);
    // The frame's monitor has another scale: the grip and the margins follow
    // it, and the frame lays itself out again.
    void SetDpi(int dpi);

private:
    static LRESULT CALLBACK ToolbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    // The floating window's messages.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintGrip();
    HWND Float() const { return Hwnd(); }
    // The mouse on hwnd (the bar or its floating window); onGrip: the pointer
    // is where the bar is taken. True when the message was taken.
    bool OnMouse(HWND hwnd, UINT message, POINT screen, bool onGrip);
    bool OnEmptyPart(POINT screen) const;
    void BeginDrag(HWND owner, POINT screen);
    void EndDrag(POINT screen);
    void SetVertical(bool vertical);
    // The bar's size with its buttons laid out as they now are.
    CDockLayout::Size ButtonsSize() const;
    void FitFloat(POINT grip);
    void Relayout();
    // A size at 96 dpi on the frame's monitor.
    int Scaled(int pixels) const;

    HWND m_frame = nullptr;
    HWND m_toolbar = nullptr;
    int m_dpi = 0;
    CDockLayout::Place m_place = CDockLayout::Place::kTop;
    bool m_shown = true;
    bool m_dragging = false;
    bool m_moved = false;  // far enough from where the drag began to count
    POINT m_dragStart = {};
    POINT m_floatOffset = {};  // the pointer's place in the floating window while it is dragged
    CDockLayout::Rect m_client = {0, 0, 0, 0};  // the frame's client area above the status bar
};
