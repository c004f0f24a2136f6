#pragma once

#include <cstdint>

#include "framework/control.h"

// A static text control.
class TStatic : public TControl {
public:
    TStatic(TWindow* parent, int32_t id, std::string_view title, int32_t x, int32_t y, int32_t w,
            int32_t h, uint32_t textLimit = 0);
    TStatic(TWindow* parent, int32_t resourceId) : TControl(parent, resourceId) {}

protected:
    const wchar_t* ClassName() const override { return L"STATIC"; }
};
