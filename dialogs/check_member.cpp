#include "dialogs/check_member.h"

template <class T>
TCheckMember<T>::TCheckMember(TWindow* parent, int32_t resourceId, TComboSelection<T>& combo,
                              int32_t T::*member)
    : TCheckBox(parent, resourceId), Item(combo), Member(member) {
    combo.Join(*this);
}

template <class T> void TCheckMember<T>::StoreMember() {
    if (T* item = Item.CurrentItem())
        item->*Member = GetCheck() == BST_CHECKED ? 1 : 0;
}

template <class T> void TCheckMember<T>::LoadMember() {
    // Any value but 0 is on.
    if (const T* item = Item.CurrentItem())
        SetCheck(item->*Member != 0 ? BST_CHECKED : BST_UNCHECKED);
}

template class TCheckMember<TKeys>;
