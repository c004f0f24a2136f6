#include "framework/control.h"

#include "framework/accessibility.h"
#include "platform/text_codec.h"

const TResponse TControl::ResponseRows[] = {
    OnMessage<&TControl::EvGetObject>(WM_GETOBJECT),
};

const TResponseTable TControl::ResponseTable{&TWindow::ResponseTable, ResponseRows};

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

void TControl::SetAccessibleDescription(std::string_view description) {
    accessibleDescription_ = Utf8ToUtf16(description);
}

LRESULT TControl::EvGetObject(WPARAM flags, LPARAM object) {
    if (accessibleDescription_.empty() || static_cast<LONG>(object) != OBJID_CLIENT)
        return DefaultProcessing();
    return DescribedObject(GetHandle(), flags, accessibleDescription_);
}
