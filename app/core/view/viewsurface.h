// The device one paint of the view draws on: the board picture, or the
// notation's text.
#pragma once

#include "app/core/view/notationsurface.h"

class CGameFacade;
class CBoardCursor;
class CSquarePicker;

class IViewSurface : public INotationSurface {
public:
    // The view's client area as it is when asked: a paint may change it, by
    // taking away a scroll bar.
    virtual int Width() = 0;
    virtual int Height() = 0;
    // The board picture of the facade's position, with the picker's
    // orientation and picked square, and the keyboard's cursor when it is
    // shown, stretched over the whole client area; false when there is no
    // picture to draw (its bitmaps failed).
    virtual bool DrawBoard(const CGameFacade& facade, const CSquarePicker& picker, const CBoardCursor& cursor) = 0;
};
