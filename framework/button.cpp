#include "framework/button.h"

TButton::TButton(TWindow* parent, int32_t id, std::string_view text, int32_t x, int32_t y,
                 int32_t w, int32_t h, bool isDefault)
    : TControl(parent, id, text, x, y, w, h) {
    Attr.Style |= WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

TButton::TButton(TWindow* parent, int32_t resourceId) : TControl(parent, resourceId) {}

void TButton::SetStyle(DWORD style, bool redraw) {
    Send(BM_SETSTYLE, style, redraw ? TRUE : FALSE);
}

void TCheckBox::SetCheck(int state) {
    Send(BM_SETCHECK, static_cast<WPARAM>(state));
}

int TCheckBox::GetCheck() const {
    return static_cast<int>(Send(BM_GETCHECK));
}
