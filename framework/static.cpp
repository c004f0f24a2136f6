#include "framework/static.h"

TStatic::TStatic(TWindow* parent, int32_t id, std::string_view title, int32_t x, int32_t y,
                 int32_t w, int32_t h, uint32_t)
    : TControl(parent, id, title, x, y, w, h) {
    Attr.Style |= SS_LEFT;
}
