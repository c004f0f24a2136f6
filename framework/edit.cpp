#include "framework/edit.h"

TEdit::TEdit(TWindow* parent, int32_t resourceId, uint32_t textLimit)
    : TControl(parent, resourceId), textLimit_(textLimit) {}

TEdit::TEdit(TWindow* parent, HWND existing, uint32_t textLimit)
    : TControl(parent, GetDlgCtrlID(existing)), textLimit_(textLimit) {
    Attach(existing);
}

void TEdit::SetupWindow() {
    TControl::SetupWindow();
    if (textLimit_ > 1)
        LimitText(textLimit_ - 1);
}

void TEdit::GetSelection(uint32_t& start, uint32_t& end) const {
    DWORD first = 0;
    DWORD last = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = first;
    end = last;
}

void TEdit::SetSelection(uint32_t start, uint32_t end) {
    Send(EM_SETSEL, start, end);
}

void TEdit::LimitText(uint32_t characters) {
    Send(EM_LIMITTEXT, characters);
}
