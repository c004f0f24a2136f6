#include "framework/combo_box.h"

#include <cstring>

TComboBox::TComboBox(TWindow* parent, int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                     DWORD style, uint32_t textLimit)
    : TControl(parent, id, "", x, y, w, h), TextLimit(textLimit) {
    Attr.Style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | style;
}

TComboBox::TComboBox(TWindow* parent, int32_t resourceId, uint32_t textLimit)
    : TControl(parent, resourceId), TextLimit(textLimit) {}

void TComboBox::SetupWindow() {
    TControl::SetupWindow();
    if (TextLimit > 1)
        SetTextLimit(TextLimit - 1);
}

int32_t TComboBox::AddString(const char* text) {
    return static_cast<int32_t>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int32_t TComboBox::InsertString(const char* text, int32_t index) {
    return static_cast<int32_t>(
        Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int32_t TComboBox::GetCount() const {
    return static_cast<int32_t>(Send(CB_GETCOUNT));
}

std::string TComboBox::GetString(int32_t index) const {
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void TComboBox::ClearList() {
    Send(CB_RESETCONTENT);
}

int32_t TComboBox::FindExactString(const char* text, int32_t startIndex) const {
    return static_cast<int32_t>(
        Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startIndex), reinterpret_cast<LPARAM>(text)));
}

int32_t TComboBox::GetSelIndex() const {
    return static_cast<int32_t>(Send(CB_GETCURSEL));
}

int32_t TComboBox::SetSelIndex(int32_t index) {
    return static_cast<int32_t>(Send(CB_SETCURSEL, static_cast<WPARAM>(index)));
}

void TComboBox::ShowList(bool show) {
    Send(CB_SHOWDROPDOWN, show ? TRUE : FALSE);
}

bool TComboBox::GetDroppedState() const {
    return Send(CB_GETDROPPEDSTATE) != FALSE;
}

RECT TComboBox::GetDroppedControlRect() const {
    RECT rect{};
    Send(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void TComboBox::InitStorage(uint32_t items, uint32_t bytes) {
    Send(CB_INITSTORAGE, items, bytes);
}

void TComboBox::AppendItems(const std::vector<const char*>& texts) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(GetHandle(), &info);
    size_t bytes = 0;
    for (const char* text : texts)
        bytes += std::strlen(text) + 1;
    InitStorage(static_cast<uint32_t>(texts.size()), static_cast<uint32_t>(bytes));
    SendMessageA(info.hwndList, WM_SETREDRAW, FALSE, 0);
    for (const char* text : texts)
        InsertString(text, -1);
    SendMessageA(info.hwndList, WM_SETREDRAW, TRUE, 0);
}

void TComboBox::SetTextLimit(uint32_t characters) {
    Send(CB_LIMITTEXT, characters);
}

void TComboBox::GetEditSel(uint32_t& start, uint32_t& end) const {
    DWORD first = 0;
    DWORD last = 0;
    Send(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = first;
    end = last;
}

void TComboBox::SetEditSel(uint32_t start, uint32_t end) {
    Send(CB_SETEDITSEL, 0, MAKELPARAM(start, end));
}

HWND TComboBox::GetEditHandle() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(GetHandle(), &info) ? info.hwndItem : nullptr;
}
