#include "dialogs/edit_option.h"

// The control takes no more than the entry can store.
template <class T>
TEditOption<T>::TEditOption(TWindow* parent, int32_t resourceId, TOption<T>& option)
    : TEdit(parent, resourceId, TEntry<T>::TextLimit + 1), Option(&option) {}

template <class T> void TEditOption<T>::SetupWindow() {
    TEdit::SetupWindow();
    SetText(OptionText(Option->Value));
}

template <class T> void TEditOption<T>::CleanupWindow() {
    // A text that is no value leaves the working copy, and so the stored value, as it was.
    if (Option->IsAccepted())
        ReadOptionText(GetText(), Option->Value);
    TEdit::CleanupWindow();
}

template class TEditOption<character>;
template class TEditOption<unsigned int>;
