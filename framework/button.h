#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/control.h"

// A push button; a click reaches the parent as its command id.
class TButton : public TControl {
public:
    TButton(TWindow* parent, int32_t id, std::string_view text, int32_t x, int32_t y, int32_t w,
            int32_t h, bool isDefault = false);
    TButton(TWindow* parent, int32_t resourceId);

    // BS_PUSHBUTTON or BS_DEFPUSHBUTTON (BM_SETSTYLE).
    void SetStyle(DWORD style, bool redraw);

protected:
    const wchar_t* ClassName() const override { return L"BUTTON"; }
};

// A check box; states 0 (BST_UNCHECKED) and 1 (BST_CHECKED).
class TCheckBox : public TButton {
public:
    TCheckBox(TWindow* parent, int32_t resourceId) : TButton(parent, resourceId) {}

    void SetCheck(int state);
    int GetCheck() const;
};
