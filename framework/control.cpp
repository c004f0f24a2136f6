#include "framework/control.h"

TControl::TControl(TWindow* parent, int32_t id, std::string_view title, int32_t x, int32_t y,
                   int32_t w, int32_t h)
    : TWindow(parent, title) {
    Attr.Style = WS_CHILD | WS_VISIBLE;
    Attr.Id = id;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

TControl::TControl(TWindow* parent, int32_t resourceId) : TWindow(parent) {
    UseResourceControl(resourceId);
}
