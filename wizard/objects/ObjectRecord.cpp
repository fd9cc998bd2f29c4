#include "ObjectRecord.h"

namespace setup {

COLORREF ButtonFaceColor() {
#ifdef _WIN32
    return ::GetSysColor(COLOR_BTNFACE);
#else
    return MakeColor(240, 240, 240);
#endif
}

}  // namespace setup

RECT OBJECT_RECORD::Rect(LONG width, LONG height) const {
    if (HasSize()) {
        width = size.cx;
        height = size.cy;
    }
    return RECT{position.x, position.y, position.x + width, position.y + height};
}
