#pragma once

#include <cstdint>

#include "dialog_rules/combo_selection.h"
#include "framework/button.h"

// A check box of a dialog resource showing one int field of the element selected in a list
// control. Until an element is selected it keeps the state the resource gives it.
template <class T> class TCheckMember : public TCheckBox, public TMemberBase {
public:
    TCheckMember(TWindow* parent, int32_t resourceId, TComboSelection<T>& combo,
                 int32_t T::*member);

    void StoreMember() override;
    void LoadMember() override;

private:
    // The combo it follows: reached through it, the selected element is never one that a reload
    // has replaced.
    TComboSelection<T>& Item;
    int32_t T::*Member;
};

extern template class TCheckMember<TKeys>;
