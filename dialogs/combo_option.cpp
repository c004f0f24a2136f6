#include "dialogs/combo_option.h"

#include "platform/text_codec.h"

// CBN_SELCHANGE and LBN_SELCHANGE share code 1. Code 5 is CBN_EDITCHANGE from a combo box but
// LBN_KILLFOCUS from a list box, so CbnEditChange heeds it from a combo box only.
template <class T>
const TResponse TComboOption<T>::ResponseRows[] = {
    OnNotify<&TComboOption<T>::CbnSelChange>(CBN_SELCHANGE),
    OnNotify<&TComboOption<T>::CbnEditChange>(CBN_EDITCHANGE),
};

template <class T>
const TResponseTable TComboOption<T>::ResponseTable{&TComboBox::ResponseTable, ResponseRows};

template <class T>
TComboOption<T>::TComboOption(TWindow* parent, int32_t resourceId, TOptionList<T>& list,
                              bool isComboBox)
    : TComboBox(parent, resourceId, 0), TComboSelection<T>(list), isComboBox_(isComboBox) {}

template <class T> void TComboOption<T>::SetupWindow() {
    if (isComboBox_)
        TComboBox::SetupWindow();
    else
        TWindow::SetupWindow();
    // A list box has its own sort bit; its bit of CBS_SORT is LBS_NOINTEGRALHEIGHT.
    const LONG style = GetWindowLongW(GetHandle(), GWL_STYLE);
    this->SetSorted((style & static_cast<LONG>(Pick(CBS_SORT, LBS_SORT))) != 0);
    this->FillItems();
}

template <class T> void TComboOption<T>::CleanupWindow() {
    if (this->List().IsAccepted())
        this->SyncSelection();
    TComboBox::CleanupWindow();
}

template <class T> void TComboOption<T>::CbnSelChange() {
    this->SyncSelection();
}

template <class T> void TComboOption<T>::CbnEditChange() {
    if (isComboBox_)
        this->NoteEditChange();
}

template <class T> std::string TComboOption<T>::TypedText() const {
    return GetText();
}

// Adding and inserting answer the new index, or CB_ERR / CB_ERRSPACE (LB_ERR / LB_ERRSPACE),
// both negative.
template <class T> int32_t TComboOption<T>::AddText(const std::string& text) {
    const std::wstring item = Utf8ToUtf16(text);
    return static_cast<int32_t>(
        Send(Pick(CB_ADDSTRING, LB_ADDSTRING), 0, reinterpret_cast<LPARAM>(item.c_str())));
}

template <class T> int32_t TComboOption<T>::InsertText(const std::string& text, int32_t index) {
    const std::wstring item = Utf8ToUtf16(text);
    return static_cast<int32_t>(Send(Pick(CB_INSERTSTRING, LB_INSERTSTRING),
                                     static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(item.c_str())));
}

template <class T> void TComboOption<T>::DeleteText(int32_t index) {
    Send(Pick(CB_DELETESTRING, LB_DELETESTRING), static_cast<WPARAM>(index));
}

// The search starts at the top (-1) and answers CB_ERR (LB_ERR) when nothing matches.
template <class T> int32_t TComboOption<T>::FindText(const std::string& text) const {
    const std::wstring item = Utf8ToUtf16(text);
    return static_cast<int32_t>(Send(Pick(CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT),
                                     static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(item.c_str())));
}

// CB_ERR (LB_ERR) when nothing is selected.
template <class T> int32_t TComboOption<T>::Selection() const {
    return static_cast<int32_t>(Send(Pick(CB_GETCURSEL, LB_GETCURSEL)));
}

template <class T> void TComboOption<T>::Select(int32_t index) {
    Send(Pick(CB_SETCURSEL, LB_SETCURSEL), static_cast<WPARAM>(index));
}

template class TComboOption<TAge>;
template class TComboOption<TKeys>;
