#pragma once

#include <cstdint>

#include "framework/control.h"

// An edit control, made from a dialog resource or attached to an existing edit window.
class TEdit : public TControl {
public:
    TEdit(TWindow* parent, int32_t resourceId, uint32_t textLimit = 0);
    // Attaches at once to an edit window that someone else made (a combo box's edit part).
    TEdit(TWindow* parent, HWND existing, uint32_t textLimit = 0);

    // Start and end of the selection; the caret stands at the end.
    void GetSelection(uint32_t& start, uint32_t& end) const;
    void SetSelection(uint32_t start, uint32_t end);
    void LimitText(uint32_t characters);

protected:
    const wchar_t* ClassName() const override { return L"EDIT"; }
    void SetupWindow() override;

private:
    uint32_t textLimit_;
};
