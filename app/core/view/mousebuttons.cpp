#include "app/core/view/mousebuttons.h"

bool MouseButtons::LeftAlone() const { return !(shift || control || middle || right || extra1 || extra2); }
