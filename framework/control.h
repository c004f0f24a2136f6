#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/window.h"

// A platform control: created from its predefined class and subclassed, or, built with only a
// resource id, attached to that control of its parent dialog when the dialog is set up.
class TControl : public TWindow {
public:
    TControl(TWindow* parent, int32_t id, std::string_view title, int32_t x, int32_t y, int32_t w,
             int32_t h);
    TControl(TWindow* parent, int32_t resourceId);

    // What a screen reader says of the control beside its name (UTF-8; empty for nothing).
    void SetAccessibleDescription(std::string_view description);

protected:
    bool IsPredefinedClass() const override { return true; }
    const TResponseTable& Responses() const override { return ResponseTable; }

    static const TResponse ResponseRows[];
    static const TResponseTable ResponseTable;

private:
    LRESULT EvGetObject(WPARAM flags, LPARAM object);

    std::wstring accessibleDescription_;
};
