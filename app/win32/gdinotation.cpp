#include "app/win32/gdinotation.h"

#include "app/win32/kit/gditextsurface.h"

CNotationLayout::Extent CGdiNotation::Draw(HDC dc, CGameFacade& facade, int left, int top, int width) {
    CGdiTextSurface surface(dc, left, top);
    return CNotationLayout::DrawFitted(facade, surface, width);
}
