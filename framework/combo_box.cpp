#include "framework/combo_box.h"

#include <cstring>

#include "platform/text_codec.h"

namespace {

// How many items AppendItems adds between two reservations of room for the rest.
constexpr size_t ReserveEvery = 4096;
// How far ahead AppendItems asks for the texts it will read.
constexpr size_t PrefetchAhead = 16;

} // namespace

const TResponse TComboBox::ResponseRows[] = {
    OnMessage<&TComboBox::EvWindowPosChanging>(WM_WINDOWPOSCHANGING),
};

const TResponseTable TComboBox::ResponseTable{&TControl::ResponseTable, ResponseRows};

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

LRESULT TComboBox::EvWindowPosChanging(WPARAM, LPARAM lParam) {
    auto& position = *reinterpret_cast<WINDOWPOS*>(lParam);
    const LONG_PTR style = GetWindowLongPtrW(GetHandle(), GWL_STYLE);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if ((position.flags & SWP_NOSIZE) == 0 && (style & CBS_NOINTEGRALHEIGHT) == 0 &&
        (style & CBS_DROPDOWNLIST) != CBS_SIMPLE && GetComboBoxInfo(GetHandle(), &info) &&
        info.hwndList != nullptr) {
        // The box itself keeps its height; the rest of the height asked for is the list's.
        RECT box{}, list{}, listClient{};
        ::GetWindowRect(GetHandle(), &box);
        ::GetWindowRect(info.hwndList, &list);
        ::GetClientRect(info.hwndList, &listClient);
        const int32_t item = static_cast<int32_t>(Send(CB_GETITEMHEIGHT, 0));
        const int32_t items = position.cy - (box.bottom - box.top) -
                              ((list.bottom - list.top) - (listClient.bottom - listClient.top));
        if (item > 0 && items > item)
            position.cy -= items % item;
    }
    return DefaultProcessing();
}

int32_t TComboBox::AddString(std::string_view text) {
    return AddString(Utf8ToUtf16(text));
}

int32_t TComboBox::AddString(std::wstring_view text) {
    const std::wstring item(text);
    return static_cast<int32_t>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

int32_t TComboBox::InsertString(std::wstring_view text, int32_t index) {
    const std::wstring item(text);
    return static_cast<int32_t>(
        Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.c_str())));
}

int32_t TComboBox::GetCount() const {
    return static_cast<int32_t>(Send(CB_GETCOUNT));
}

std::string TComboBox::GetString(int32_t index) const {
    return Utf16ToUtf8(GetWideString(index));
}

std::wstring TComboBox::GetWideString(int32_t index) const {
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void TComboBox::ClearList() {
    Send(CB_RESETCONTENT);
}

int32_t TComboBox::FindExactString(std::string_view text, int32_t startIndex) const {
    const std::wstring item = Utf8ToUtf16(text);
    return static_cast<int32_t>(Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startIndex),
                                     reinterpret_cast<LPARAM>(item.c_str())));
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

void TComboBox::AppendItems(const std::vector<const char*>& texts, const TCodePageText& codePage) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    const LONG_PTR style = GetWindowLongPtrW(GetHandle(), GWL_STYLE);
    // The combo box hands each item on to its list unchanged unless it changes their case;
    // given to the list directly, an item costs one message.
    if (!GetComboBoxInfo(GetHandle(), &info) || info.hwndList == nullptr ||
        (style & (CBS_LOWERCASE | CBS_UPPERCASE)) != 0) {
        for (const char* text : texts)
            InsertString(codePage.ToUtf16(text), -1);
        return;
    }
    const HWND list = info.hwndList;
    // Straight to the list's window procedure: a message per item through the system's
    // dispatch would cost more than the list's own work for the item.
    const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list, GWLP_WNDPROC));
    const auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcW(procedure, list, message, wParam, lParam);
    };
    send(WM_SETREDRAW, FALSE, 0);
    std::wstring wide;
    for (size_t i = 0; i < texts.size(); ++i) {
        // Wine drops a reservation at the next insertion while the list's item array is small,
        // and then grows it a few items at a time, copying it each time; once the array is
        // large a reservation holds. Reserving again now and then keeps a long fill linear.
        if (i % ReserveEvery == 0)
            send(LB_INITSTORAGE, texts.size() - i, 0);
        // Sorted texts lie scattered in memory: ask for the coming ones early.
        if (i + PrefetchAhead < texts.size())
            __builtin_prefetch(texts[i + PrefetchAhead]);
        wide.clear();
        codePage.AppendUtf16(texts[i], wide);
        send(LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str()));
    }
    send(WM_SETREDRAW, TRUE, 0);
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
